// The cosine and sine of every whole degree, as the arc search uses them.
#pragma once

// {cos, sin} of i degrees for i = 0..359, in the arc geometry's extended precision.
extern const long double DegreeCosSin[360][2];
