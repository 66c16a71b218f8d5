// A download's address and body: the name the file would be stored under, whether that name
// is refused, and whether the body holds two-line element pairs.
#include <QBuffer>

#include "catalogue/DestinationName.h"
#include "catalogue/TwoLineCheck.h"
#include "fuzz/FuzzInput.h"
#include "fuzz/FuzzTargets.h"

namespace orbivox::fuzz {

void FuzzElementCheck(const std::uint8_t* data, std::size_t size) {
    const HeadAndBody input = SplitFirstLine(data, size);
    const QString address = QString::fromUtf8(input.head);
    (void)DestinationNameProblem(DestinationName(address));
    (void)DestinationProblem(address);
    QByteArray body = input.body;
    QBuffer buffer(&body);
    buffer.open(QIODevice::ReadOnly);
    (void)HoldsTwoLineData(buffer);
}

}  // namespace orbivox::fuzz
