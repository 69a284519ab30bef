// The step clock's interval. A pattern lasts four beats in both metres: 16
// steps of 60000 / (4 x tempo) ms in 4/4, 12 played steps of
// 60000 / (3 x tempo) ms in 3/4; the clock runs at double rate while any
// track uses 32nd notes.
#pragma once

// 60 / B x 1000 / D with B the tempo (twice it at double rate) and D 4 in
// 4/4, else 3.
double StepIntervalExact(int tempo, int metre, bool allSixteenth);
// The exact interval rounded to the nearest millisecond, halves to even.
unsigned StepInterval(int tempo, int metre, bool allSixteenth);
