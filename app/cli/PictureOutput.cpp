// Writing the drawing commands' pictures.
#include "app/cli/PictureOutput.h"

#include <QFileInfo>
#include <QImageWriter>

namespace orbivox::cli {

QByteArray PictureFormat(const std::string& name) {
    const QString suffix = QFileInfo(QString::fromStdString(name)).suffix().toLower();
    const QByteArray format = suffix.isEmpty() ? QByteArray("png") : suffix.toLatin1();
    return QImageWriter::supportedImageFormats().contains(format) ? format : QByteArray();
}

bool WritePicture(const QImage& image, const std::string& name, const std::string& command,
                  std::ostream& out, std::ostream& err) {
    QImageWriter writer(QString::fromStdString(name), PictureFormat(name));
    if (!writer.write(image)) {
        err << "orbivox " << command << ": cannot write " << name << ": "
            << writer.errorString().toStdString() << "\n";
        return false;
    }
    out << name << ' ' << image.width() << 'x' << image.height() << '\n';
    return true;
}

}  // namespace orbivox::cli
