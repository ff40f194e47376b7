# Shared by 3D.R and 2D.R: reads a site folder (info file, one structure file per entry or
# no_gene) and the circle format file, and draws one ring per entry, from the outside in, with a
# panel that names the rings and the segment kinds with their lengths.
#
# Command line: <site folder> <circle format file> <PDF> [info file name, default info.txt]

pdf_in_progress <- NULL

# One line on stderr and a non-zero exit; a half-drawn PDF is removed so nobody opens it.
fail <- function(fmt, ...) {
  cat("Error: ", sprintf(fmt, ...), "\n", sep = "", file = stderr())
  if (!is.null(pdf_in_progress)) {
    graphics.off()
    unlink(pdf_in_progress)
  }
  quit(save = "no", status = 1)
}

# Nine shades per name (three groups: colour, lighter, darker), components 0..255.
colour_table <- list(
  Blue = c(0,0,255, 46,69,246, 0,0,167, 0,238,238, 0,255,255, 0,205,205, 79,148,205, 88,166,231, 63,118,164),
  Red = c(238,26,26, 255,19,19, 205,15,15, 238,162,173, 255,174,185, 205,140,149, 238,106,167, 238,106,167, 205,96,144),
  Yellow = c(238,173,14, 255,185,15, 205,149,12, 242,242,0, 255,255,0, 216,216,0, 238,220,130, 248,230,135, 205,190,112),
  Green = c(0,205,0, 0,221,0, 0,164,0, 188,238,104, 202,255,112, 162,205,90, 124,205,124, 144,238,144, 84,139,84),
  Purple = c(154,50,205, 176,57,235, 104,34,139, 239,132,234, 255,141,250, 209,117,205, 159,121,238, 171,130,255, 137,104,205),
  Brown = c(205,102,29, 223,110,31, 165,82,23, 240,155,73, 255,165,79, 205,133,63, 193,178,106, 201,188,126, 162,148,83),
  Grey = c(36,36,36, 46,46,46, 20,20,20, 127,127,127, 140,140,140, 102,102,102, 82,82,82, 97,97,97, 71,71,71),
  pink_white_blue = c(205,155,155, 229,173,173, 175,132,132, 205,192,176, 229,214,196, 175,164,150, 162,181,205, 181,202,229, 138,154,175),
  red_wood_gold = c(238,59,59, 255,64,64, 205,51,51, 238,197,145, 255,211,155, 205,170,125, 238,180,34, 255,193,37, 205,155,29),
  blue_red_green = c(0,0,139, 31,31,153, 0,0,82, 139,0,0, 153,31,31, 82,0,0, 0,100,0, 31,118,31, 0,59,0),
  blue_yellow_green = c(0,0,128, 31,31,143, 0,0,75, 205,205,0, 211,211,31, 179,179,0, 42,143,42, 61,153,61, 24,102,24)
)
colour_table$pink_blue <- colour_table$pink_white_blue
colour_table$red_gold <- colour_table$red_wood_gold

utr_kinds <- c("five_prime_UTR", "three_prime_UTR", "UTR")
intergenic_kinds <- c("intergenic", "inter")
# Intergenic stretches belong to no transcript: a neutral grey whatever the colour set.
neutral_group <- c(colour = "#C4C4C4", lighter = "#E2E2E2", darker = "#9A9A9A")

read_text_lines <- function(path, what) {
  if (!file.exists(path) || dir.exists(path)) fail("%s %s does not exist.", what, path)
  lines <- tryCatch(readLines(path, warn = FALSE), error = function(e) fail("cannot read %s %s.", what, path))
  sub("\r$", "", lines)
}

# Splits at every TAB, keeping empty pieces (a trailing TAB ends an empty last name).
split_tabs <- function(text) strsplit(paste0(text, "\t"), "\t", fixed = TRUE)[[1]]

read_format <- function(path) {
  lines <- read_text_lines(path, "The circle format file")
  if (length(lines) < 6) fail("the circle format file %s should have 6 lines, it has %d.", path, length(lines))
  colour <- lines[1]
  if (is.null(colour_table[[colour]])) fail("unknown colour \"%s\" in line 1 of %s.", colour, path)
  widths <- regmatches(lines[2], regexec("^([0-9.+]+)_([0-9.+]+)\t([0-9.+]+)_([0-9.+]+)$", lines[2]))[[1]]
  values <- suppressWarnings(as.numeric(widths[-1]))
  if (length(values) != 4 || anyNA(values) || values[1] <= 0 || values[3] <= 0 || values[4] < 0)
    fail("line 2 of %s should read like 10_4<TAB>5_5 (widths and interval), not \"%s\".", path, lines[2])
  choose <- function(line, yes, no, number) {
    if (lines[line] == yes) return(TRUE)
    if (lines[line] == no) return(FALSE)
    fail("line %d of %s should be %s or %s, not \"%s\".", number, path, yes, no, lines[line])
  }
  list(colour = colour, single_width = values[1], site_width = values[3], site_interval = values[4],
       clockwise = choose(3, "clockwise", "unclockwise", 3), show_utr = choose(4, "show_UTR", "no_UTR", 4),
       show_direction = choose(5, "show_gene_direction", "no_gene_direction", 5),
       two_d = choose(6, "2D", "3D", 6))
}

# info.txt: count, TAB-separated entry names (or no_gene), chrom_start_end, strand. A hand-written
# info file may hold blank lines and may leave out the strand.
read_info <- function(folder, info_name) {
  path <- file.path(folder, info_name)
  lines <- read_text_lines(path, "The info file")
  if (info_name != "info.txt") lines <- lines[lines != ""]
  if (length(lines) < 3) fail("the info file %s should hold a count, the entry names and the site.", path)
  if (!grepl("^\\+?[0-9]+$", lines[1])) fail("line 1 of %s should be the number of entries, not \"%s\".", path, lines[1])
  count <- as.integer(lines[1])
  names <- if (lines[2] == "") character(0) else split_tabs(lines[2])
  if (length(names) == 0) fail("the info file %s names no entry to draw.", path)
  if (count != length(names))
    fail("line 1 of %s says %d entries but line 2 names %d.", path, count, length(names))
  strand <- if (length(lines) >= 4) lines[4] else "0"
  list(names = names, site = lines[3], strand = strand, no_gene = identical(names, "no_gene"))
}

# One structure file: a segment per line, kind TAB length, in position order.
read_structure <- function(folder, name) {
  path <- file.path(folder, name)
  lines <- read_text_lines(path, "The structure file")
  lines <- lines[lines != ""]
  fields <- strsplit(lines, "\t", fixed = TRUE)
  bad <- which(vapply(fields, function(f) length(f) != 2 || !grepl("^[0-9]+$", f[2]), logical(1)))
  if (length(bad) > 0) fail("line \"%s\" of %s should be a kind, a TAB and a length.", lines[bad[1]], path)
  # The no-gene file quotes its one kind, "inter": the stretch between genes.
  kinds <- gsub("^\"|\"$", "", vapply(fields, `[`, "", 1))
  kinds[kinds == "inter"] <- "intergenic"
  lengths <- as.numeric(vapply(fields, `[`, "", 2))
  if (length(lengths) == 0 || sum(lengths) <= 0) fail("the structure file %s holds no segment.", path)
  data.frame(kind = kinds, length = lengths, stringsAsFactors = FALSE)
}

# Which colour group draws a kind: CDS (and other exonic parts), UTR or intron; intergenic is neutral.
style_of <- function(kind, show_utr) {
  ifelse(kind %in% intergenic_kinds, "intergenic",
    ifelse(kind == "intron", "intron",
      ifelse(kind %in% utr_kinds, if (show_utr) "utr" else "intron", "cds")))
}

colour_groups <- function(name) {
  v <- colour_table[[name]]
  shade <- function(k) rgb(v[3 * k - 2], v[3 * k - 1], v[3 * k], maxColorValue = 255)
  group <- function(g) c(colour = shade(3 * g - 2), lighter = shade(3 * g - 1), darker = shade(3 * g))
  list(cds = group(1), utr = group(2), intron = group(3), intergenic = neutral_group)
}

text_colour_on <- function(fill) {
  m <- col2rgb(fill)
  ifelse(0.299 * m[1, ] + 0.587 * m[2, ] + 0.114 * m[3, ] > 125, "black", "white")
}

with_commas <- function(x) formatC(x, format = "d", big.mark = ",")

junction_gap <- 8        # degrees left open at the back-splice junction, for the ring numbers
gradient_bands <- 40     # concentric bands of a 3D segment

# Fills one ring's segments: flat colours, or bands from the lighter shade (outside) through the
# colour to the darker shade (inside).
fill_ring <- function(segments, groups, three_d) {
  ends <- cumsum(segments$length) / sum(segments$length)
  starts <- c(0, head(ends, -1))
  for (i in seq_len(nrow(segments))) {
    g <- groups[[segments$style[i]]]
    if (three_d) {
      ramp <- colorRampPalette(c(g[["lighter"]], g[["colour"]], g[["darker"]]))(gradient_bands)
      tops <- seq(1, by = -1 / gradient_bands, length.out = gradient_bands)
      # Each band reaches half a band into the next one, so no hairline of background shows
      # between bands and no outlines stripe the gradient.
      bottoms <- pmax(0, tops - 1.5 / gradient_bands)
      circos.rect(rep(starts[i], gradient_bands), bottoms, rep(ends[i], gradient_bands), tops,
                  col = ramp, border = NA)
    } else {
      circos.rect(starts[i], 0, ends[i], 1, col = g[["colour"]], border = NA)
    }
  }
  # Thin white seams keep neighbouring segments of one colour apart.
  circos.rect(starts, 0, ends, 1, col = NA, border = "white", lwd = 0.8)
  list(starts = starts, ends = ends)
}

# Writes each segment's length on it where the arc is long enough to hold the text.
label_lengths <- function(segments, span, groups, cex) {
  degrees <- (span$ends - span$starts) * (360 - junction_gap)
  room <- degrees >= 12
  if (!any(room)) return(invisible())
  fills <- vapply(segments$style[room], function(s) groups[[s]][["colour"]], "")
  circos.text((span$starts[room] + span$ends[room]) / 2, 0.5, with_commas(segments$length[room]),
              facing = "bending.inside", niceFacing = TRUE, cex = cex, col = text_colour_on(fills))
}

# The transcription direction as an arrow along the outside: with increasing positions for "+",
# against them for "-".
draw_direction <- function(strand) {
  circos.arrow(0.01, 0.99, y = 0.5, width = 0.5, arrow.head.length = 0.03,
               arrow.position = if (strand == "+") "end" else "start",
               col = "#555555", border = NA)
}

ring_layout <- function(count, format) {
  width <- if (count == 1) format$single_width else format$site_width
  interval <- if (count == 1) 0 else format$site_interval
  used <- (count * width + (count - 1) * interval) / 50
  if (used > 0.97)
    fail("%d rings of width %g with interval %g do not fit in the circle; make them narrower.", count, width, interval)
  list(height = width / 50, interval = interval / 50)
}

draw_rings <- function(entries, format, groups, strand, three_d) {
  layout <- ring_layout(length(entries), format)
  start <- if (format$clockwise) 90 - junction_gap / 2 else 90 + junction_gap / 2
  circos.par(start.degree = start, gap.degree = junction_gap, clock.wise = format$clockwise,
             cell.padding = c(0, 0, 0, 0), track.margin = c(0, 0), points.overflow.warning = FALSE,
             canvas.xlim = c(-1.08, 1.08), canvas.ylim = c(-1.08, 1.08))
  circos.initialize(sectors = "circle", xlim = c(0, 1))
  show_arrow <- format$show_direction && strand %in% c("+", "-")
  if (show_arrow) {
    circos.track(ylim = c(0, 1), track.height = 0.045, bg.border = NA, panel.fun = function(x, y) draw_direction(strand))
  }
  gap_x <- -(junction_gap / 2) / (360 - junction_gap)
  label_cex <- max(0.5, min(0.8, layout$height * 5))
  for (k in seq_along(entries)) {
    top_margin <- if (k == 1) (if (show_arrow) 0.015 else 0) else layout$interval
    circos.par(track.margin = c(0, top_margin))
    segments <- entries[[k]]
    circos.track(ylim = c(0, 1), track.height = layout$height, bg.border = NA, panel.fun = function(x, y) {
      span <- fill_ring(segments, groups, three_d)
      label_lengths(segments, span, groups, label_cex)
      circos.text(gap_x, 0.5, as.character(k), facing = "downward", cex = max(0.5, label_cex), font = 2, col = "#333333")
    })
  }
  circos.clear()
}

kind_order <- function(kinds) {
  rank <- ifelse(kinds == "CDS", 1, ifelse(kinds %in% utr_kinds, 2, ifelse(kinds == "intron", 4,
                 ifelse(kinds %in% intergenic_kinds, 5, 3))))
  kinds[order(rank, match(kinds, c("CDS", utr_kinds)), kinds)]
}

display_name <- function(name) {
  parts <- strsplit(name, "&", fixed = TRUE)[[1]]
  lines <- strwrap(paste(parts, collapse = " & "), width = 36)
  if (length(lines) > 3) lines <- c(lines[1:2], sprintf("%s ... (%d isoforms)", substr(lines[3], 1, 24), length(parts)))
  lines
}

composition_of <- function(segments) {
  kinds <- kind_order(unique(segments$kind))
  totals <- vapply(kinds, function(k) sum(segments$length[segments$kind == k]), numeric(1))
  text <- paste(sprintf("%s %s", kinds, with_commas(totals)), collapse = ", ")
  strwrap(sprintf("%s (total %s nt)", text, with_commas(sum(segments$length))), width = 40)
}

# The panel beside the circle: the colour key of the kinds drawn, then every ring by number with
# its entry name and the lengths of its segment kinds.
draw_panel <- function(entries, names, info, format, groups) {
  par(mar = c(0.5, 0.5, 0.5, 0.5))
  plot.new()
  plot.window(xlim = c(0, 1), ylim = c(0, 1))
  all <- do.call(rbind, entries)
  kinds <- kind_order(unique(all$kind))
  rings <- lapply(seq_along(entries), function(k) list(name = display_name(names[k]), parts = composition_of(entries[[k]])))
  notes <- character(0)
  if (format$show_direction)
    notes <- if (info$strand %in% c("+", "-")) sprintf("Arrow: direction of transcription (%s strand)", info$strand)
             else "Transcripts on both strands: no direction arrow"
  line_count <- 2 + length(kinds) + 2 + sum(vapply(rings, function(r) length(r$name) + length(r$parts) + 0.4, 0)) +
                length(notes) + 1
  step <- min(0.045, 0.97 / line_count)
  cex <- min(0.95, step / 0.045 * 0.95)
  y <- 0.985
  text(0, y, "Segment kinds", adj = c(0, 1), font = 2, cex = cex * 1.05)
  y <- y - step * 1.2
  for (k in kinds) {
    style <- style_of(k, format$show_utr)
    rect(0, y - step * 0.75, 0.06, y - step * 0.1, col = groups[[style]][["colour"]], border = "grey40", lwd = 0.5)
    label <- if (k %in% utr_kinds && !format$show_utr) sprintf("%s (drawn as intron)", k) else k
    text(0.09, y - step * 0.42, label, adj = c(0, 0.5), cex = cex)
    y <- y - step
  }
  y <- y - step * 0.6
  text(0, y, "Rings, outside to inside (lengths in nt)", adj = c(0, 1), font = 2, cex = cex * 1.05)
  y <- y - step * 1.2
  for (k in seq_along(rings)) {
    text(0, y, as.character(k), adj = c(0, 1), font = 2, cex = cex)
    for (line in rings[[k]]$name) { text(0.06, y, line, adj = c(0, 1), cex = cex); y <- y - step }
    for (line in rings[[k]]$parts) { text(0.06, y, line, adj = c(0, 1), cex = cex * 0.85, col = "grey30"); y <- y - step }
    y <- y - step * 0.4
  }
  for (note in notes) { text(0, y, note, adj = c(0, 1), cex = cex * 0.85, font = 3); y <- y - step }
}

site_title <- function(info) {
  strand <- if (info$no_gene) "no annotated gene" else switch(info$strand, "+" = "strand +", "-" = "strand -", "both strands")
  sprintf("%s  (%s)", info$site, strand)
}

run_circle_script <- function(three_d) {
  args <- commandArgs(trailingOnly = TRUE)
  if (!(length(args) %in% c(3, 4)))
    fail("usage: Rscript %s <site folder> <circle format file> <PDF> [info file name]", if (three_d) "3D.R" else "2D.R")
  folder <- args[1]
  if (!dir.exists(folder)) fail("the site folder %s does not exist.", folder)
  format <- read_format(args[2])
  info <- read_info(folder, if (length(args) == 4) args[4] else "info.txt")
  groups <- colour_groups(format$colour)
  entries <- lapply(info$names, function(name) {
    segments <- read_structure(folder, name)
    segments$style <- style_of(segments$kind, format$show_utr)
    segments
  })
  ring_layout(length(entries), format)
  if (!suppressPackageStartupMessages(requireNamespace("circlize", quietly = TRUE)))
    fail("the R package circlize is not installed.")
  suppressPackageStartupMessages(library(circlize))

  opened <- tryCatch({ pdf(args[3], width = 11, height = 7.2); TRUE }, error = function(e) FALSE, warning = function(w) FALSE)
  if (!opened) fail("cannot write the PDF %s.", args[3])
  pdf_in_progress <<- args[3]
  layout(matrix(c(1, 2), nrow = 1), widths = c(7.2, 3.8))
  par(oma = c(0, 0, 3.2, 0), mar = c(0, 0, 0, 0))
  labels <- if (info$no_gene) "no gene: intergenic site" else info$names
  draw_rings(entries, format, groups, info$strand, three_d)
  draw_panel(entries, labels, info, format, groups)
  direction <- if (format$clockwise) "clockwise" else "anticlockwise"
  mtext(site_title(info), side = 3, outer = TRUE, line = 1.6, font = 2, cex = 1.35, adj = 0.03)
  mtext(sprintf("%d circle%s, segments in genomic order %s from the back-splice junction (top)",
                length(entries), if (length(entries) == 1) "" else "s", direction),
        side = 3, outer = TRUE, line = 0.3, cex = 0.85, col = "grey30", adj = 0.03)
  invisible(dev.off())
  pdf_in_progress <<- NULL
  if (!file.exists(args[3])) fail("the PDF %s was not written.", args[3])
}

main_with_one_line_errors <- function(three_d) {
  tryCatch(run_circle_script(three_d), error = function(e) fail("%s", conditionMessage(e)))
}
