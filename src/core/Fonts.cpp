#include "core/Fonts.h"

#include <QFile>
#include <QFontDatabase>

namespace {
QString& tahomaFamily()
{
    static QString family = QStringLiteral("Tahoma");
    return family;
}
} // namespace

void LoadApplicationFonts()
{
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
    for (const char* path : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
        if (!QFile::exists(QString::fromLatin1(path)))
            continue;
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(path));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            tahomaFamily() = families.first();
    }
}

QFont TahomaFont(double pointSize, bool bold)
{
    QFont font(tahomaFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont TahomaPixelFont(int pixelSize, bool bold)
{
    QFont font(tahomaFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont HeavyFont(double pointSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Black);
    return font;
}
