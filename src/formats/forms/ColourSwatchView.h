#pragma once
// A small box that paints the fills of a colour preview (see formats/ColourSwatch.h).

#include "formats/ColourSwatch.h"

#include <QWidget>
#include <vector>

namespace tallowby {

class ColourSwatchView : public QWidget {
public:
    explicit ColourSwatchView(QWidget* parent = nullptr);

    void SetFills(std::vector<SwatchFill> fills);
    const std::vector<SwatchFill>& Fills() const { return fills_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<SwatchFill> fills_;
};

}  // namespace tallowby
