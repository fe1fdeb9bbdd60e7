// The evaluation of a given slab: a thickness typed in the session's units, evaluated with the
// design's inputs, and the rows and summary that the core writes for it.
#include "ui/evaluation_box.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

#include "design/input_help.h"
#include "ui/stale_banner.h"
#include "ui/widget_helpers.h"

namespace korvant::ui {
namespace {

constexpr int kShownRows = 5; // aircraft rows the table shows without scrolling
constexpr int kThicknessDigits = 7;

} // namespace

EvaluationBox::EvaluationBox(WindowModel& state, QWidget* parent)
    : QGroupBox(tr("Evaluate a Given Slab"), parent)
    , state_(state)
{
    setObjectName(QStringLiteral("fraEvaluate"));
    label_ = new QLabel(tr("h"), this);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    thickness_ = new QLineEdit(this);
    thickness_->setObjectName(QStringLiteral("txtEvaluate"));
    thickness_->setAccessibleName(tr("thickness of the slab to evaluate"));
    thickness_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    thickness_->setMinimumWidth(DigitsWidth(*thickness_, kThicknessDigits));
    label_->setBuddy(thickness_);
    connect(thickness_, &QLineEdit::textEdited, this, [this](const QString& text) {
        state_.setSlabText(text.toStdString());
        refresh();
    });
    connect(thickness_, &QLineEdit::returnPressed, this, &EvaluationBox::evaluateRequested);
    unit_ = new QLabel(this);
    unit_->setObjectName(QStringLiteral("lbunitEvaluate"));
    evaluate_ = new QPushButton(tr("E&valuate"), this);
    evaluate_->setObjectName(QStringLiteral("cmdEvaluate"));
    evaluate_->setAutoDefault(false);
    connect(evaluate_, &QPushButton::clicked, this, &EvaluationBox::evaluateRequested);

    banner_ = new StaleBanner(QStringLiteral("lbEvaluationOutOfDate"), this);
    table_ = new QTableWidget(0, 2, this);
    table_->setObjectName(QStringLiteral("tblEvaluation"));
    table_->setAccessibleName(tr("damage ratio of each aircraft at the given slab"));
    table_->setHorizontalHeaderLabels({ tr("Aircraft"), tr("Damage %") });
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    SetShownRows(table_, kShownRows, false);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("lbEvaluation"));
    summary_->setWordWrap(true);
    QFont bold = summary_->font();
    bold.setBold(true);
    summary_->setFont(bold);

    auto* grid = new QGridLayout(this);
    grid->addWidget(label_, 0, 0);
    grid->addWidget(thickness_, 0, 1);
    grid->addWidget(unit_, 0, 2);
    grid->addWidget(evaluate_, 0, 3);
    grid->addWidget(banner_, 1, 0, 1, 4);
    grid->addWidget(table_, 2, 0, 1, 4);
    grid->addWidget(summary_, 3, 0, 1, 4);
    grid->setColumnStretch(1, 1);
}

void EvaluationBox::refresh()
{
    const DesignModel& design = state_.design();
    unit_->setText(QString::fromUtf8(SlabThicknessUnit(design.units)));
    thickness_->setToolTip(QString::fromStdString(EvaluatedThicknessTip(design.units)));
    const QString typed = QString::fromStdString(state_.slabText());
    if (thickness_->text() != typed)
        thickness_->setText(typed);
    const auto& evaluation = state_.evaluation();
    banner_->showNote(OutOfDateNote(ShownResult::Evaluation, state_.evaluationStaleness()));
    std::vector<EvaluationRow> rows = evaluation
        ? EvaluationRows(design.result.trace.basis, *evaluation)
        : std::vector<EvaluationRow> {};
    summary_->setText(evaluation ? QString::fromStdString(EvaluationSummary(*evaluation))
                                 : tr("Type a slab thickness and press Evaluate."));
    // An edit only changes the banner: the table is filled when the evaluation's rows change.
    const auto same = [](const EvaluationRow& a, const EvaluationRow& b) {
        return a.aircraft == b.aircraft && a.damageRatio == b.damageRatio;
    };
    if (std::equal(rows.begin(), rows.end(), shownRows_.begin(), shownRows_.end(), same))
        return;
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const EvaluationRow& row = rows[static_cast<std::size_t>(r)];
        table_->setItem(r, 0, new QTableWidgetItem(QString::fromStdString(row.aircraft)));
        auto* ratio = new QTableWidgetItem(QString::fromStdString(row.damageRatio));
        ratio->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table_->setItem(r, 1, ratio);
    }
    shownRows_ = std::move(rows);
}

} // namespace korvant::ui
