#include "Drawings.h"

#include "ui/Window.h"

namespace pictures {

QFont pictureFont(int pixels, bool bold, bool italic) {
    QFont f(ui::systemFontFamily());
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QPixmap whitePicture(QSize size) {
    QPixmap picture(size);
    picture.fill(Qt::white);
    return picture;
}

} // namespace pictures
