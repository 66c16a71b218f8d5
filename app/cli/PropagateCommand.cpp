#include "app/cli/Commands.h"

int RunPropagate(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
    err << "orbivox propagate: not available in this build\n";
    return 1;
}
