#pragma once
// Where this module's own file lies: the folder (UTF-8, '/' between names, no
// '/' at the end), or empty when the system cannot say.
#include <string>

std::string folderOfThisModule();
