#pragma once
// "Label Stock...": a standard label sheet chosen from the makers' catalogue instead of
// measured, found by maker, part number and description as one types, and drawn to scale.
#include <QDialog>
#include <QString>
#include <optional>
#include <vector>

#include "platform/qt/label_stock_catalogue.h"

class QLabel;
class QLineEdit;
class QTreeWidget;

namespace vt {

class StockSheetDrawing;

class LabelStockDialog : public QDialog {
  public:
    LabelStockDialog(LabelStockCatalogue catalogue, QWidget* parent = nullptr);

    // The stock taken by OK (or Enter): the one selected, or the first match when none is.
    const std::optional<LabelStock>& Chosen() const { return chosen_; }

  protected:
    // The search field has the focus whenever the dialog opens.
    void showEvent(QShowEvent* event) override;

  private:
    // The stocks whose maker, part and description hold every word typed, listed; a part
    // typed in full comes first.
    void Filter();
    void ShowSelected();
    void Take();

    LabelStockCatalogue catalogue_;
    std::vector<QString> haystacks_;  // each stock's maker, part and description, for the search
    std::vector<std::size_t> shown_;  // the listed stocks, in list order
    QLineEdit* search_ = nullptr;
    QTreeWidget* list_ = nullptr;
    StockSheetDrawing* drawing_ = nullptr;
    QLabel* size_ = nullptr;
    std::optional<LabelStock> chosen_;
};

}  // namespace vt
