// The application object, forms, the push button and the scroll box.
#pragma once

#include "platform/vcl/forms/Application.h"
#include "platform/vcl/forms/Form.h"
#include "platform/vcl/forms/FormTypes.h"
#include "platform/vcl/controls/ScrollBox.h"
#include "platform/vcl/forms/StdCtrls_Button.h"
