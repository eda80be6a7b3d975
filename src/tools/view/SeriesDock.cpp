// The series dock's table and its edits of the retained model.
#include "SeriesDock.h"

#include <QColorDialog>
#include <QHeaderView>
#include <QIcon>
#include <QPixmap>
#include <QSpinBox>
#include <QToolButton>
#include <vantrel/vantrel.h>

namespace vantrel::view {

namespace {

enum Column { colShown, colColor, colWidth, colName, columnCount };

// vantrel-render names a series' legend label "Legend " and the series' name.
const std::string legendPrefix = "Legend ";

QColor FromColorRef(int32_t rgb) { return QColor(rgb & 0xFF, rgb >> 8 & 0xFF, rgb >> 16 & 0xFF); }

int32_t ToColorRef(const QColor& color)
{
    return color.red() | color.green() << 8 | color.blue() << 16;
}

} // namespace

SeriesDock::SeriesDock(qt::GraphWidget& graph, QWidget* parent)
    : QDockWidget(tr("Series"), parent)
    , graph_(graph)
    , table_(new QTableWidget(0, columnCount, this))
{
    setObjectName(QStringLiteral("seriesDock"));
    table_->setHorizontalHeaderLabels({ tr("Show"), tr("Colour"), tr("Width"), tr("Name") });
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setMinimumWidth(260);
    table_->verticalHeader()->hide();
    setWidget(table_);
    connect(table_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (filling_)
            return;
        if (item->column() == colShown)
            setShown(item->row(), item->checkState() == Qt::Checked);
        else if (item->column() == colName)
            setName(item->row(), item->text());
    });
}

void SeriesDock::showSeries()
{
    rows_.clear();
    const Ref<GraphData> data = graph_.graph().CurrentData();
    std::vector<Ref<XYItem_Label>> labels;
    const Ref<PanelManager> panels = data ? data->PanelList() : nullptr;
    for (int32_t p = 1; panels && p <= panels->Count(); ++p) {
        const Ref<PanelData> panel = panels->Item(p);
        for (int32_t i = 1; i <= panel->Count(); ++i) {
            const Ref<XYItem> item = panel->Item(i);
            if (auto series = std::dynamic_pointer_cast<XYItem_Data>(item))
                rows_.push_back({ series, nullptr });
            else if (auto label = std::dynamic_pointer_cast<XYItem_Label>(item))
                labels.push_back(label);
        }
    }
    for (Row& row : rows_)
        for (const Ref<XYItem_Label>& label : labels)
            if (label->Name() == legendPrefix + row.series->Name())
                row.legend = label;
    table_->setRowCount(count());
    for (int r = 0; r < count(); ++r)
        fillRow(r);
}

void SeriesDock::fillRow(int row)
{
    filling_ = true;
    const XYItem_Data& series = *rows_[static_cast<std::size_t>(row)].series;
    auto* shown = new QTableWidgetItem;
    shown->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    shown->setCheckState(series.Enabled() ? Qt::Checked : Qt::Unchecked);
    table_->setItem(row, colShown, shown);
    auto* color = new QToolButton(table_);
    QPixmap swatch(24, 12);
    swatch.fill(FromColorRef(series.Color1()));
    color->setIcon(QIcon(swatch));
    color->setIconSize(swatch.size());
    color->setAutoRaise(true);
    connect(color, &QToolButton::clicked, this, [this, row] { chooseColor(row); });
    table_->setCellWidget(row, colColor, color);
    auto* width = new QSpinBox(table_);
    width->setRange(0, 20);
    width->setValue(series.DrawWidth());
    connect(width, &QSpinBox::valueChanged, this, [this, row](int w) { setWidth(row, w); });
    table_->setCellWidget(row, colWidth, width);
    table_->setItem(row, colName, new QTableWidgetItem(QString::fromStdString(series.Name())));
    filling_ = false;
}

void SeriesDock::chooseColor(int row)
{
    const QColor color = QColorDialog::getColor(
        FromColorRef(rows_[static_cast<std::size_t>(row)].series->Color1()), this,
        tr("Series Colour"));
    if (color.isValid())
        setColor(row, color);
}

void SeriesDock::setShown(int row, bool on)
{
    Row& r = rows_.at(static_cast<std::size_t>(row));
    r.series->Enabled(on);
    if (r.legend)
        r.legend->Enabled(on);
    graph_.graph().Redraw();
}

void SeriesDock::setColor(int row, const QColor& color)
{
    Row& r = rows_.at(static_cast<std::size_t>(row));
    r.series->Color1(ToColorRef(color));
    r.series->Color2(ToColorRef(color));
    if (r.legend)
        r.legend->Color(ToColorRef(color));
    fillRow(row);
    graph_.graph().Redraw();
}

void SeriesDock::setWidth(int row, int width)
{
    rows_.at(static_cast<std::size_t>(row)).series->DrawWidth(static_cast<int16_t>(width));
    graph_.graph().Redraw();
}

void SeriesDock::setName(int row, const QString& name)
{
    Row& r = rows_.at(static_cast<std::size_t>(row));
    r.series->Name(name.toStdString());
    if (r.legend) {
        r.legend->Text(name.toStdString());
        r.legend->Name(legendPrefix + name.toStdString());
    }
    graph_.graph().Redraw();
}

} // namespace vantrel::view
