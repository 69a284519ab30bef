#include "platform/vcl/classes/persistence/Filer.h"

TFiler::~TFiler() = default;
