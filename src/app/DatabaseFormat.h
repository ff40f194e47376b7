#pragma once
// The database format switch: one FASTA file (0) or a chromosome set listed in a text file (1).

namespace tallowby {

// Sets databaseFormat and databaseLabel, and empties databasePath (the database must be chosen
// again), also when the format was already the chosen one.
void ChooseDatabaseFormat(int format);

}  // namespace tallowby
