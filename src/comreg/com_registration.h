// Registration of the product's automation server (the sibling module
// "zrlreg.arx" in this module's folder) under HKEY_CLASSES_ROOT, its
// removal, and the printout of its identifiers. Each answers eOk, or
// eInvalidInput when anything failed; none throws.
#pragma once

#include "frame/export.h"
#include "platform/host/acadstatus.h"

// Writes the type library, class and interface keys (102 values), in one
// write of the registry. eInvalidInput, with nothing written, when the
// module's folder is unknown or holds no "zrlreg.arx" file, or when the
// registry cannot be read or written; eInvalidInput after writing the rest
// when an entry is refused.
ZRLSS_EXPORT Acad::ErrorStatus SSregisterOpmCLSIDs();

// Deletes the type library's, each class's and each interface's tree (34),
// in one write of the registry; a tree already absent counts as removed.
// eInvalidInput, with nothing changed, when the registry cannot be read or
// written.
ZRLSS_EXPORT Acad::ErrorStatus SScleanupComRegistry();

// Prints a declaration of each class identifier on the host's command line
// and writes "RegistryIDs.dat" (34 lines) into the module's folder.
// eInvalidInput when the file could not be written (the printout is made).
ZRLSS_EXPORT Acad::ErrorStatus SSprintCLSIDs();
