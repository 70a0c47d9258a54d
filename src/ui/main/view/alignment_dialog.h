#pragma once
// The alignment of one printer: how far every page sent to it moves right and down to meet the
// label sheets it feeds, tried out on a test sheet before it is kept.
#include <QDialog>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <functional>
#include <string>

#include "platform/printers.h"

namespace vt {

class AlignmentDialog : public QDialog {
    Q_OBJECT
  public:
    using TestSheet = std::function<void(const PrinterAlignment&)>;

    // Starts from the alignment kept for `printerName`. Print Test Sheet hands `printTestSheet`
    // the alignment as the dialog shows it; OK keeps it for the printer, Cancel keeps nothing.
    AlignmentDialog(std::string printerName, TestSheet printTestSheet, QWidget* parent = nullptr);

    // The alignment as the operator has set it so far.
    PrinterAlignment Shown() const;

    void accept() override;

  private:
    QDoubleSpinBox* AddDistance(QGridLayout& grid, int row, const QString& caption,
                                const QString& name, const QString& tip, double mm);
    QDoubleSpinBox* AddScale(QGridLayout& grid, int row, const QString& caption,
                             const QString& name, const QString& tip, double percent);

    std::string printerName_;
    TestSheet printTestSheet_;
    QDoubleSpinBox* right_ = nullptr;
    QDoubleSpinBox* down_ = nullptr;
    QDoubleSpinBox* acrossScale_ = nullptr;
    QDoubleSpinBox* downScale_ = nullptr;
};

}  // namespace vt
