#include "common/resources/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

QString g_language;
std::unique_ptr<QTranslator> g_ours;
std::unique_ptr<QTranslator> g_qts;

constexpr char kCompiledIn[] = ":/i18n";

class PseudoTranslator final : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        return Translations::Pseudo(QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }
};

// "de-Latn-DE" gives "de_DE" then "de"; "pt-BR" gives "pt_BR" then "pt".
QStringList candidates(const QString& uiLanguage) {
    const QStringList parts = QString(uiLanguage).replace('-', '_').split('_');
    QStringList names;
    if (parts.size() > 1)
        names << parts.first() + '_' + parts.last();
    names << parts.first();
    return names;
}

std::unique_ptr<QTranslator> loaded(const QString& file, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder))
        return nullptr;
    return translator;
}

} // namespace

namespace Translations {

void Install(const QStringList& uiLanguages) {
    for (const auto& translator : {&g_ours, &g_qts}) {
        if (*translator)
            QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
    g_language.clear();

    for (const QString& uiLanguage : uiLanguages) {
        if (QString(uiLanguage).replace('-', '_') == QLatin1String(kPseudoLanguage)) {
            g_ours = std::make_unique<PseudoTranslator>();
            g_language = QLatin1String(kPseudoLanguage);
            break;
        }
        // A user who put English before any language we have gets English.
        if (uiLanguage == QLatin1String("C") || uiLanguage.startsWith(QLatin1String("en")))
            break;
        for (const QString& name : candidates(uiLanguage)) {
            // "kestrin_de_AT" finds kestrin_de: the file names its language.
            if ((g_ours = loaded(QStringLiteral("kestrin_") + name, kCompiledIn))) {
                g_language = g_ours->language();
                break;
            }
        }
        if (g_ours)
            break;
    }
    if (!g_ours)
        return;
    QCoreApplication::installTranslator(g_ours.get());
    // Qt's own words (OK, Cancel, the text boxes' menus) from the system's
    // Qt translations, where they are installed.
    if (g_language != QLatin1String(kPseudoLanguage)) {
        g_qts = loaded(QStringLiteral("qtbase_") + g_language,
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        if (g_qts)
            QCoreApplication::installTranslator(g_qts.get());
    }
}

QString Language() {
    return g_language;
}

QStringList Available() {
    QStringList names;
    for (const QString& file : QDir(kCompiledIn).entryList({QStringLiteral("kestrin_*.qm")}))
        names << file.mid(8).chopped(3);
    return names;
}

QString Pseudo(const QString& english) {
    if (english.isEmpty())
        return english;
    static const QString plain = QStringLiteral("AaCcEeIiNnOoUuYySsZzGgLl");
    static const QString accented = QStringLiteral("ÅåÇçÉéÎîÑñÖöÛûÝýŠšŽžĜĝĹĺ");
    QString text;
    text.reserve(english.size() * 3 / 2 + 4);
    text += QLatin1Char('[');
    for (const QChar c : english) {
        const qsizetype at = plain.indexOf(c);
        text += at < 0 ? c : accented.at(at);
    }
    // Some forty per cent longer, as German or French often run.
    const qsizetype letters = english.size() * 2 / 5;
    for (qsizetype i = 0; i < letters; ++i)
        text += i % 5 == 4 ? QLatin1Char(' ') : QChar(u'~');
    text += QLatin1Char(']');
    return text;
}

} // namespace Translations
