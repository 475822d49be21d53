// Renders the icon's SVG into a square PNG at build time, so the bitmap size
// the desktop menus use always matches the drawing.
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: render_icon IN.svg OUT.png SIZE_PIXELS\n";
        return 2;
    }
    const int sizePixels = std::atoi(argv[3]);
    QSvgRenderer renderer{QString::fromLocal8Bit(argv[1])};
    if (!renderer.isValid() || sizePixels <= 0) {
        std::cerr << "render_icon: " << argv[1] << " cannot be drawn at " << argv[3] << " pixels\n";
        return 1;
    }
    QImage image(sizePixels, sizePixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::cerr << "render_icon: " << argv[2] << " cannot be written\n";
        return 3;
    }
    return 0;
}
