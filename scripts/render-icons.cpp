// Renders each SVG icon given on the command line to PNGs of the usual
// desktop sizes beside it: name.svg -> name-16.png ... name-256.png.
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv)
{
  QGuiApplication app(argc, argv);
  const int sizes[] = {16, 32, 48, 64, 128, 256};
  for (int i = 1; i < argc; ++i) {
    const QFileInfo svg(QString::fromLocal8Bit(argv[i]));
    QSvgRenderer renderer(svg.filePath());
    if (!renderer.isValid()) {
      std::fprintf(stderr, "cannot read %s\n", argv[i]);
      return 1;
    }
    for (const int size : sizes) {
      QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
      image.fill(Qt::transparent);
      QPainter painter(&image);
      painter.setRenderHint(QPainter::Antialiasing);
      renderer.render(&painter);
      painter.end();
      const QString png = svg.path() + "/" + svg.completeBaseName() + "-" + QString::number(size) + ".png";
      if (!image.save(png)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(png));
        return 1;
      }
    }
  }
  return 0;
}
