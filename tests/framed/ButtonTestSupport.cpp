#include <gtest/gtest.h>

#include "ButtonTestSupport.h"

namespace buttontests {

TForm* OnForm::form_ = nullptr;

}  // namespace buttontests
