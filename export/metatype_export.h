// Copying of the metadata-type definition files of the installation into the
// open tag file.
#pragma once

#include "runtime/return_code.h"

// Copies the six type files of "$KTLPATH/types/" line by line into the tag
// file and closes the block with its trailer. 13106 when KTLPATH is not set or
// a type file cannot be opened (what was copied before stays).
HQRC export_metatype();
