// The import dialog's form.
#include "ImportDialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <limits>

namespace vantrel::view {

namespace {

// Item data of the X column choice: the column as vantrel-render's --x-column takes it, or
// this for evenly spaced X.
const QString evenlySpaced = QStringLiteral("\n");

} // namespace

ImportDialog::ImportDialog(
    const QString& path, const QStringList& columns, const ImportChoices& current, QWidget* parent)
    : QDialog(parent)
    , xColumn_(new QComboBox(this))
    , start_(new QDoubleSpinBox(this))
    , step_(new QDoubleSpinBox(this))
    , delimiter_(new QComboBox(this))
{
    setWindowTitle(tr("Import %1").arg(QFileInfo(path).fileName()));
    xColumn_->addItem(tr("Evenly spaced"), evenlySpaced);
    for (int c = 0; c < columns.size(); ++c) {
        const QString name = columns[c].isEmpty() ? tr("Column %1").arg(c + 1) : columns[c];
        xColumn_->addItem(name, QString::number(c + 1));
    }
    if (current.interval || columns.size() < 2)
        xColumn_->setCurrentIndex(0);
    else
        xColumn_->setCurrentIndex(
            std::max(1, xColumn_->findData(QString::fromStdString(current.xColumn))));
    const double huge = std::numeric_limits<double>::max();
    for (QDoubleSpinBox* box : { start_, step_ }) {
        box->setRange(-huge, huge);
        box->setDecimals(9);
    }
    start_->setValue(current.interval ? current.interval->min : 0.0);
    step_->setValue(current.interval ? current.interval->max : 1.0);
    const auto evenly = [this] {
        const bool on = xColumn_->currentData().toString() == evenlySpaced;
        start_->setEnabled(on);
        step_->setEnabled(on);
    };
    connect(xColumn_, &QComboBox::currentIndexChanged, this, evenly);
    evenly();
    delimiter_->addItem(tr("Detected"), 0);
    delimiter_->addItem(tr("Comma"), int(','));
    delimiter_->addItem(tr("Semicolon"), int(';'));
    delimiter_->addItem(tr("Tab"), int('\t'));
    delimiter_->addItem(tr("Spaces"), int(' '));
    delimiter_->setCurrentIndex(std::max(0, delimiter_->findData(int(current.delimiter))));

    auto* form = new QFormLayout(this);
    form->addRow(tr("&X values:"), xColumn_);
    form->addRow(tr("&Start:"), start_);
    form->addRow(tr("S&tep:"), step_);
    form->addRow(tr("&Delimiter:"), delimiter_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

ImportChoices ImportDialog::choices() const
{
    ImportChoices c;
    const QString x = xColumn_->currentData().toString();
    if (x == evenlySpaced)
        c.interval = render_tool::Range { start_->value(), step_->value() };
    else
        c.xColumn = x.toStdString();
    c.delimiter = static_cast<char>(delimiter_->currentData().toInt());
    return c;
}

} // namespace vantrel::view
