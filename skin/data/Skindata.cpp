#include "skin/data/Skindata.h"

void InitializeSkinData() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterResourceStrData();
}
