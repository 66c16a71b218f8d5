#pragma once
// Settings and list files are stored in the single-byte Windows-1252 code page, as the
// files our users already have; in memory all text is UTF-8 (QString).
#include <QByteArray>
#include <QString>

namespace orbivox {

QString DecodeCp1252(const QByteArray& bytes);
// Characters without a Windows-1252 byte are written as '?'.
QByteArray EncodeCp1252(const QString& text);

}  // namespace orbivox
