// The application object, forms and the library's own push button.
#pragma once

#include "platform/vcl/forms/Application.h"
#include "platform/vcl/forms/Form.h"
#include "platform/vcl/forms/FormTypes.h"
#include "platform/vcl/forms/StdCtrls_Button.h"
