# Draws the circles of a site, each segment shaded from its lighter colour outside to its darker colour inside.
# Rscript 3D.R <site folder> <circle format file> <PDF> [info file name, default info.txt]
script_file <- sub("^--file=", "", grep("^--file=", commandArgs(trailingOnly = FALSE), value = TRUE)[1])
source(file.path(dirname(normalizePath(script_file)), "circle_common.R"))
main_with_one_line_errors(three_d = TRUE)
