#pragma once

// The maker's web site. The reserved .example domain stands until a real
// address is chosen.
inline constexpr char kMakerWebSiteAddress[] = "https://www.vellumark.example/";
inline constexpr char kMakerWebSiteDomain[] = "www.vellumark.example";
