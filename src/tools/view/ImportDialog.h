// The import dialog: X column, evenly spaced X, and the delimiter, when the file cannot say.
#pragma once

#include "DataLoader.h"

#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QStringList>

namespace vantrel::view {

class ImportDialog : public QDialog {
    Q_OBJECT

public:
    // `columns` names the file's columns (header names, or empty for numbers only).
    ImportDialog(const QString& path, const QStringList& columns, const ImportChoices& current,
        QWidget* parent = nullptr);

    ImportChoices choices() const;

private:
    QComboBox* xColumn_;
    QDoubleSpinBox* start_;
    QDoubleSpinBox* step_;
    QComboBox* delimiter_;
};

} // namespace vantrel::view
