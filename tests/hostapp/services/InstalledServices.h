#pragma once
// Kept for the component's tests that still include this path; the fixture lives in testsupport.
#include "tests/testsupport/HostServicesFixture.h"
