// The framework layer: everything the program's windows are written against.
#pragma once

#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/Design.h"
#include "framework/ExceptionHandling.h"
#include "framework/Exceptions.h"
#include "framework/Menu.h"
#include "framework/MsgBox.h"
#include "framework/Strings.h"
#include "framework/Window.h"
#include "framework/Work.h"
