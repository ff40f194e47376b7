#pragma once
// The steps of drawing a site's circles that the site form and the CLI share.
//
// Use: StoreSiteFields(chrom, start, end);
//      if (CheckSiteAndLoadAnnotation(path)) { ComputeSiteCircles(); <choose>; DrawChosenCircles(); }

#include "site/CircleDrawing.h"

#include <string>
#include <vector>

namespace tallowby {

// The current site from the three field texts (numbers by the clamping decimal conversion).
void StoreSiteFields(const std::string& chrom, const std::string& startText, const std::string& endText);

// Checks the current site and the annotation file (annotationPath := path), checks its type
// against its name, and loads the site's chromosome. False after the failing check's message.
[[nodiscard]] bool CheckSiteAndLoadAnnotation(const std::string& annotationPath);

// Checks the current site and the database (databasePath := path), and makes sure the length of
// the site's chromosome is known and holds the site. False after the failing check's message.
[[nodiscard]] bool CheckSiteAndMeasureChromosome(const std::string& databasePath);

// The circles of the current site and their first draw order; the chooser is to run next.
void ComputeSiteCircles();

// After the chooser's OK: sets every entry's draw order to -1, then 0, 1, 2... for the chosen
// entries in list order. An empty choice is refused while the site has entries
// ("Please choose at least one isoform"). True when accepted (chooserStatus := 0).
[[nodiscard]] bool ConfirmDrawOrder(const std::vector<std::string>& chosen);

// Draws the chosen circles of the current site with the circle format's space fraction.
DrawOutcome DrawChosenCircles();

}  // namespace tallowby
