#pragma once

// Opens /dev/null on each of the standard descriptors 0-2 that the caller left closed, so that no
// file this program opens later takes one of them: a report or a CSV row written to standard
// output by mistake, or a message written into a file. Called first in main.
void ReserveStandardDescriptors();
