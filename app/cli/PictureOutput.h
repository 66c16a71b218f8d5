#pragma once
// The picture files the drawing commands (map, sky) write: the format from the name's
// extension, and the write with its one line of report.
#include <QByteArray>
#include <QImage>
#include <ostream>
#include <string>

namespace orbivox::cli {

// The format the output name asks for: its extension, PNG when it has none. Empty when Qt
// cannot write that format.
QByteArray PictureFormat(const std::string& name);

// Writes `image`; on success "NAME WxH" on `out`, else the reason on `err` after "orbivox
// COMMAND: ". False on failure.
bool WritePicture(const QImage& image, const std::string& name, const std::string& command,
                  std::ostream& out, std::ostream& err);

}  // namespace orbivox::cli
