// The shared design as JSON, for the page to build its elements from: every
// caption, name, unit, default, help and about text the desktop shows.
#pragma once

#include <string>

namespace zephyrod::web {

std::string DesignJson();

}  // namespace zephyrod::web
