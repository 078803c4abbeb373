#pragma once
// Windows-1251 texts of the logic as Qt strings and back: the Qt edge of the program.

#include <QString>
#include <string>
#include <string_view>

namespace gx {

QString FromCp1251(std::string_view bytes);
// Characters the code page lacks become `lacking`.
std::string ToCp1251(const QString& text, char lacking = '?');

}  // namespace gx
