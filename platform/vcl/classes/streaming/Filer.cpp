#include "platform/vcl/classes/streaming/Filer.h"

TFiler::~TFiler() = default;
