#pragma once

#include <QtGlobal>

// The file of built-in pictures that tools/pictures writes at build time and
// the program reads where it is embedded, in the build's byte order: a
// header, one entry per picture, all together so that finding a picture
// reads one page; then the pixels, each picture's starting on a 16-byte
// boundary, as Qt's drawing code expects pixel rows to be aligned.
namespace PictureFile {

struct Header {
    char magic[4]; // "KPIC"
    quint32 count;
    quint32 unused[2];
};

struct Entry {
    char name[40]; // UTF-8, zero-padded: "bitmaps/129", "style/fusion_groupbox"
    quint32 width;
    quint32 height;
    quint32 bytesPerLine;
    quint32 format;   // a QImage::Format
    quint32 pixelsAt; // from the start of the file
    quint32 unused;
};

static_assert(sizeof(Header) == 16 && sizeof(Entry) == 64,
              "whole multiples of 16 bytes keep the pixels aligned");

} // namespace PictureFile
