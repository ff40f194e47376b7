#pragma once
// The two open dialogs that set the shared database and annotation paths.

namespace tallowby {

// Starts in the workspace's database folder; offers .fa files (one FASTA) or .txt lists
// (chromosome set) by databaseFormat. True when a file was chosen; a different file replaces
// databasePath.
bool ChooseDatabaseFile();

// Offers files of the current annotationType (refFlat: .txt). True when a file was chosen; a
// different file replaces annotationPath.
bool ChooseAnnotationFile();

}  // namespace tallowby
