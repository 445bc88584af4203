#pragma once
#include <string>
#include <vector>

#include "toolkit/core/control.h"

namespace lumaro::toolkit {

enum class ComboStyle { DropDown, DropDownList };

// A combo box. Setting the selection or the text from code runs no handler; a choice from the list
// runs OnClick, then OnChange. Every typed character goes to OnKeyPress first, which may swallow it by
// setting the key to 0; in an editable box the edit that follows runs OnChange with the new text.
class ComboBox : public Control {
 public:
  using Control::Control;

  const std::vector<std::string>& items() const { return items_; }
  void setItems(std::vector<std::string> items);
  int itemIndex() const { return itemIndex_; }
  // -1 or an index out of range clears the selection and the text of a drop-down list.
  void setItemIndex(int index);
  const std::string& text() const { return text_; }
  // Also selects the item with exactly this text, if any.
  void setText(std::string text);
  ComboStyle style() const { return style_; }
  void setStyle(ComboStyle style);

  // User actions, as the view reports them.
  void userSelect(int index);
  // A typed character: the key that survives OnKeyPress (0 when swallowed). A drop-down list takes no
  // text, so there every key ends here.
  char userKeyPress(char key);
  // The editor's text after the user edited it (typing, deleting, pasting): ignored by a drop-down list.
  void userEdit(std::string text);

  NotifyEvent OnChange;
  Event<Component&, char&> OnKeyPress;

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
  std::string text_;
  ComboStyle style_ = ComboStyle::DropDown;
};

}  // namespace lumaro::toolkit
