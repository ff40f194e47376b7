#pragma once
// Loading one chromosome of an annotation file (GFF3, GTF or refFlat; gzip-compressed files too)
// into the gene model of AnnotationModel.h, and the check that a file's name fits its type.
//
// Use: if (CheckAnnotationFileType(type, AnnotationFileExtension(path)) &&
//          LoadAnnotation(path, type, chrom, "site")) { ... read Annotation() ... }

#include <string>

namespace tallowby {

// The extension of the file name with its dot, as the type check wants it: for a compressed file
// (name ending in ".gz") the extension before ".gz" ("x.gtf.gz" gives ".gtf").
[[nodiscard]] std::string AnnotationFileExtension(const std::string& path);

// fileType "gff3" wants ".gff3", "gtf" ".gtf", "refFlat" ".txt" (exact, case kept); otherwise an
// error naming the expected and the given extension.
[[nodiscard]] bool CheckAnnotationFileType(const std::string& fileType, const std::string& extension);

// Loads the chromosome's lines into the gene model, replacing what it held; nothing is read when
// this file's chromosome is already loaded. purpose "site" or "seq" selects the message shown when
// the file lacks the chromosome (or cannot be read); the model is then left empty.
[[nodiscard]] bool LoadAnnotation(const std::string& path, const std::string& fileType, const std::string& chrom,
                                  const std::string& purpose);

}  // namespace tallowby
