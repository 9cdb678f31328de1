#include "engine/Standinresourceform.h"

TResourceForm* ResourceForm = nullptr;
