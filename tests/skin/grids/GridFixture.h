#pragma once
// A grid whose cells draw nothing of their own, with the protected operations the tests
// drive, a log of the notifications and a SizeChanged that can be told to refuse.
#include <string>
#include <vector>

#include "skin/shell/Skingrids.h"

namespace gridtest {

class TProbeGrid : public TspSkinCustomGrid {
  CLASSLIB_CLASS(TProbeGrid, TspSkinCustomGrid)
 public:
  explicit TProbeGrid(TComponent* owner) : TspSkinCustomGrid(owner) {}
  using TspSkinCustomGrid::AdjustSize;
  using TspSkinCustomGrid::ChangeSize;
  using TspSkinCustomGrid::MoveAnchor;
  using TspSkinCustomGrid::MoveCurrent;

  std::vector<std::string> log;
  // Every DrawCell as "col,row:" and its state's letters (X fixed, S selected, F focused).
  std::vector<std::string> drawn;
  int refuseSizeChanges = 0;  // SizeChanged raises this many times

 protected:
  void DrawCell(int col, int row, const TRect&, TGridDrawState state) override {
    std::string cell = std::to_string(col) + "," + std::to_string(row) + ":";
    if (state.Contains(gdFixed)) cell += "X";
    if (state.Contains(gdSelected)) cell += "S";
    if (state.Contains(gdFocused)) cell += "F";
    drawn.push_back(cell);
  }
  void SizeChanged(int oldColCount, int oldRowCount) override {
    log.push_back("size " + std::to_string(oldColCount) + "x" + std::to_string(oldRowCount));
    if (refuseSizeChanges > 0) {
      --refuseSizeChanges;
      throw EInvalidOperation("size refused");
    }
  }
  void ResizeCol(int index, int oldSize, int newSize) override {
    log.push_back("resize col " + std::to_string(index) + " " + std::to_string(oldSize) + "->" +
                  std::to_string(newSize));
    TspSkinCustomGrid::ResizeCol(index, oldSize, newSize);
  }
  void ColumnMoved(int fromIndex, int toIndex) override {
    log.push_back("moved col " + std::to_string(fromIndex) + "->" + std::to_string(toIndex));
  }
};

// The message of the EInvalidGridOperation `call` raises, or "" when it raises none.
template <class F>
std::string GridError(F call) {
  try {
    call();
  } catch (const EInvalidGridOperation& e) {
    return e.Message().c_str();
  }
  return "";
}

}  // namespace gridtest
