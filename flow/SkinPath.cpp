#include "SkinPath.h"

namespace kalvado {

std::string SkinFilePath(const std::string& exeDir, int n)
{
    // The directory ends in a separator only when it is the root.
    const bool endsInSeparator = !exeDir.empty() && exeDir.back() == '/';
    return exeDir + (endsInSeparator ? "pic/Board" : "/pic/Board") + std::to_string(n) + ".jpg";
}

} // namespace kalvado
