#include "ui/form_font.h"

#include <QStringList>

namespace quor {

QFont form_font() {
    // Bold 8 point at the old screens' 96 dots per inch: 11 pixels.
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setBold(true);
    return font;
}

}  // namespace quor
