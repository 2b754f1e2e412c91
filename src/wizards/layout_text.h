#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The script text of the layout and page setup wizards: pure functions of the window's inputs
// and the user script as it is, giving the user script as it becomes.
namespace wizards {

// The layout wizard's rows: ten on each of its five pages.
inline constexpr int kLayoutRowCount = 50;
inline constexpr int kLayoutRowsPerPage = 10;

// What "-LAYOUT" does with every row; the order of the wizard's option buttons.
enum class LayoutOperation : int { kCopy = 0, kDelete = 1, kNew = 2, kRename = 3 };

struct LayoutRow {
  std::string tabName;
  std::string newName;
};

struct LayoutInputs {
  LayoutOperation operation = LayoutOperation::kCopy;
  std::array<LayoutRow, kLayoutRowCount> rows;
};

// One "-LAYOUT" block per row that holds any text, in row order, each opened by the block
// separator, and the closing separator. The names are written as typed; the new name only
// for Copy and Rename.
std::string LayoutScript(const LayoutInputs& inputs, std::string_view userScript);

// The record of the layout templates and the state file: the 50 tab names, then the 50 new
// names, in row order.
std::vector<std::string> Record(const LayoutInputs& inputs);

struct PageSetupInputs {
  std::string sourceDrawing;
  std::string pageSetup = "<default>";
};

// "_-PSETUPIN" of one page setup from the source drawing, with AutoCAD's questions kept quiet
// around it.
std::string PageSetupScript(const PageSetupInputs& inputs, std::string_view userScript);

}  // namespace wizards
