#pragma once
// Shared by the readers of the reference store; not for other subsystems.

#include "genome/FastaReader.h"

#include <string>

namespace tallowby {

// Appends the body of the record whose header fasta has just read to target. Afterwards fasta
// stands on the next header (true) or at the end of the file (false).
bool AppendRecordBody(FastaReader& fasta, const std::string& path, std::string& target);

}  // namespace tallowby
