// The design panel's columns side by side as far as the width holds them: the layers, the
// result with the evaluation, the climate with the buttons and the PCR.
#include <QGridLayout>

#include <algorithm>

#include "ui/design_panel.h"
#include "ui/pcr_panel.h"

namespace korvant::ui {

void DesignPanel::fitWidth(int width)
{
    // As many columns side by side as the width holds: the layers, the result, the climate and
    // the PCR; the layers over the climate, the result and the PCR; the layers and the result
    // over the climate and the PCR; or everything one below the other, the inputs and the buttons
    // first.
    const auto wanted = [](const QWidget* column) {
        return std::max(column->sizeHint().width(), column->minimumWidth());
    };
    const int layers = wanted(layers_);
    const int result = wanted(result_);
    const int climate = wanted(climate_);
    const int pcr = wanted(pcr_);
    const QMargins margins = columns_->contentsMargins();
    const int frame = margins.left() + margins.right() + 2 * frameWidth();
    const int gap = columns_->horizontalSpacing();
    int columns = 1;
    if (layers + result + climate + pcr + 3 * gap + frame <= width)
        columns = 4;
    else if (std::max(layers, climate) + result + pcr + 2 * gap + frame <= width)
        columns = 3;
    else if (std::max(layers + gap + result, climate + gap + pcr) + frame <= width)
        columns = 2;
    if (columns == arrangement_ && columns_->count() > 0)
        return;
    arrangement_ = columns;
    if (columns_->count() > 0) {
        for (QWidget* column : { layers_, result_, climate_, static_cast<QWidget*>(pcr_) })
            columns_->removeWidget(column);
        // A grid keeps the columns it once had; a new one starts afresh.
        delete columns_;
        columns_ = new QGridLayout(this);
        columns_->setHorizontalSpacing(gap);
    }
    columns_->setVerticalSpacing(gap / 2);
    const Qt::Alignment top = Qt::AlignTop | Qt::AlignLeft;
    columns_->addWidget(layers_, 0, 0, top);
    if (columns == 4) {
        columns_->addWidget(result_, 0, 1, top);
        columns_->addWidget(climate_, 0, 2, top);
        columns_->addWidget(pcr_, 0, 3, top);
    } else if (columns == 3) {
        columns_->addWidget(climate_, 1, 0, top);
        columns_->addWidget(result_, 0, 1, 2, 1, top);
        columns_->addWidget(pcr_, 0, 2, 2, 1, top);
        columns_->setRowStretch(1, 1);
    } else if (columns == 2) {
        columns_->addWidget(result_, 0, 1, top);
        columns_->addWidget(climate_, 1, 0, top);
        columns_->addWidget(pcr_, 1, 1, top);
    } else {
        columns_->addWidget(climate_, 1, 0, top);
        columns_->addWidget(result_, 2, 0, top);
        columns_->addWidget(pcr_, 3, 0, top);
    }
    columns_->activate();
    adjustSize();
}

} // namespace korvant::ui
