#pragma once

#include <string>

namespace kalvado {

// The image file of board skin n (1..3) in the pic folder beside the
// executable, whose directory is given.
std::string SkinFilePath(const std::string& exeDir, int n);

} // namespace kalvado
