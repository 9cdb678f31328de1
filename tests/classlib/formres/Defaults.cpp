#include "Defaults.h"

#include <gtest/gtest.h>

#include "classlib/formres/ClassProperties.h"
#include "classlib/formres/FormReader.h"
#include "classlib/formres/FormText.h"

void ApplyDefaults(TPersistent* object, std::initializer_list<const char*> names) {
  TComponent root(nullptr);
  TFormReader reader(&root, nullptr, "Defaults.form");
  for (const char* name : names) {
    const TPropertyInfo* info = FindClassProperty(object->ClassType(), name);
    ASSERT_NE(nullptr, info) << name;
    ASSERT_FALSE(info->defaultValue.IsEmpty()) << name;
    TFormObject text =
        ParseFormText(AnsiString("object A: TA\n  ") + name + " = " + info->defaultValue + "\nend\n", "Defaults.form");
    reader.ApplyProperties(object, text.properties);
  }
}
