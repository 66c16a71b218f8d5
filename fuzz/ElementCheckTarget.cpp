// A download's address and body: the name the file would be stored under, whether that name
// is refused, and whether the body may be stored. A body the check lets through must read as
// element data.
#include <cstdlib>
#include <memory>

#include "catalogue/DestinationName.h"
#include "catalogue/DownloadCheck.h"
#include "catalogue/ElementFileReader.h"
#include "fuzz/FuzzInput.h"
#include "fuzz/FuzzTargets.h"

namespace orbivox::fuzz {

void FuzzElementCheck(const std::uint8_t* data, std::size_t size) {
    const HeadAndBody input = SplitFirstLine(data, size);
    const QString address = QString::fromUtf8(input.head);
    (void)DestinationNameProblem(DestinationName(address));
    (void)DestinationProblem(address);
    const std::string_view body(input.body.constData(), static_cast<size_t>(input.body.size()));
    if (!DownloadBodyProblem(body)) {
        const auto table = std::make_unique<orbit::SetTable>();
        const orbit::ElementReadResult read = ReadElementText(body, *table, {});
        if (!read.fileRead || read.format == orbit::ElementFormat::None)
            std::abort();
    }
}

}  // namespace orbivox::fuzz
