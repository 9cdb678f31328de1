#pragma once
#include <gtest/gtest.h>

#include "app/Startup.h"
#include "classlib/formres/ControlClasses.h"
#include "classlib/graphics/Graphics.h"
#include "classlib/windowing/Application.h"
#include "engine/Quorinvccommon.h"
#include "engine/Quorinvcenvloader.h"
#include "imaging/Imaging.h"
#include "skin/data/Skindata.h"

// The converter's windows in a test program: the libraries and form classes registered
// once, the environment of the build's program folder loaded, and every change a case
// makes to the environment undone after it.
class AppFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    static bool started = false;
    if (!started) {
      started = true;
      InitializeGraphics();
      InitializeControlClasses();
      imaging::InitializeImaging();
      InitializeSkinData();
      RegisterConverterForms();
      ASSERT_TRUE(EnvLoader.LoadFromFile(ExecutableFolder() + "ZediruVeze.EDF"));
    }
    saved_ = EnvLoader;
  }
  void TearDown() override { EnvLoader = saved_; }

 private:
  QuorinVCEnvLoader saved_;
};
