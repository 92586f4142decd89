// The section tables of the library handed to the core's section table
// manager, as the core does when it starts, so that the profile dialogs
// show the sections by their user names.
#pragma once

namespace dialogs {

void handLibraryTablesToCore();

} // namespace dialogs
