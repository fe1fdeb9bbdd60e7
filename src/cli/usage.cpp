// The text of korvant-cli --help: every option, and what each exit status means. Every line
// fits in 80 columns.
#include "cli/usage.h"

namespace korvant {

extern const char* const kUsage;
const char* const kUsage = R"(Usage: korvant-cli [OPTIONS]

Designs the slab thickness of a rigid airfield pavement and prints the design
thickness (for example 15.2) or, with --report, the whole design report. With
--list-aircraft it prints the catalogue, with --acr the ICAO rigid-pavement
ACRs of catalogue aircraft, and runs no design.

Inputs:
  --db FILE             aircraft catalogue (default: the bundled fly.dll)
  --inp FILE            read an input data file (.inp) as the window reads it;
                        FILE - reads it from standard input. The catalogue is
                        read again, the mix emptied, everything brought into
                        the file's unit system, then the file's values taken.
                        Options before --inp are applied first (the file
                        replaces what it holds); options after it override
                        the file's values
  --save FILE           write the inputs and the mix as an input data file,
                        after every other option and before the design, so
                        that it is written even when the design then stops;
                        a FILE without an extension gets ".inp"; an existing
                        file is replaced only by one written whole
  --units english|metric
                        unit system of every value given and shown (default
                        english); metric converts the catalogue as the
                        window's switch to Metric does; after --inp it
                        switches what was read
  --structure one|bonded|unbonded
                        pavement structure (default: the structure of the
                        --inp file's project section, else one)
  --E TEXT              elastic modulus of concrete (psi | kPa)
  --Sc TEXT             concrete flexural strength (psi | kPa)
  --k TEXT              modulus of subgrade reaction (pci | kPa/mm)
  --E2 TEXT             elastic modulus of the bottom layer (psi | kPa)
  --h2 TEXT             thickness of the bottom layer (in | cm)
  --slab-length TEXT    slab length (ft | m)
  --slab-width TEXT     slab width (ft | m)
  --precipitation TEXT  annual mean precipitation (in | mm)
  --temperature TEXT    annual mean temperature ('F | 'C)
  --wind-speed TEXT     annual mean wind speed (mph | m/sec)
                        each TEXT as typed into the window's field; default:
                        the window's starting text (converted in metric)
  --mix R[,R...]        traffic mix as catalogue record numbers, in the order
                        added; a record given twice is added once
  --set R:FIELD=TEXT    change FIELD of record R (repeatable), checked as the
                        Change Data dialog checks it; FIELD is one of
                        grossWeight, annualDepartures, gearLoadPercent,
                        tirePressure, wheelCount, dualSpacing, tandemSpacing,
                        tireContactWidth

Output (one of them; without any, the design thickness):
  --format csv|json     form of every table printed (default csv): the
                        design, the studies, the catalogue, the ACR and the
                        PCR; json prints one document (see the manual page)
                        with the units and the exit status with its meaning,
                        also when the run stops
  --report              the whole report instead of the thickness
  --trace csv|json      the calculation trace instead of the thickness: per
                        aircraft every value of the design at its thickness,
                        per bisection trial the thickness, the total damage
                        and the two bounds, in the units the design works in
                        (in, lb, psi, pci, 'F, mph); csv: a row per aircraft,
                        an empty line, the table of trials; json: one
                        document with the inputs, the units and both
  --evaluate THICKNESS  evaluate a slab of THICKNESS (in | cm) with the
                        design's inputs: the damage ratio of every aircraft,
                        the total damage and the years of traffic until it
                        reaches 1 (20 / total damage); printed after the
                        thickness or the report, or as part of the trace
  --sensitivity PCT     the sensitivity study instead of the thickness: the
                        design with each of Sc, k, E, slab length and width,
                        temperature, precipitation, wind speed and the
                        departures of the whole mix lowered and raised by
                        PCT % (0 to 90), sorted by the effect
  --reliability N       the reliability study instead of the thickness: N
                        designs (1 to 1000000) with Sc, k, E and the
                        departures drawn at random, and the thickness at
                        50, 85, 90, 95 and 99 % reliability
  --seed S              the seed of the draws (default 1); the same seed
                        gives the same samples on every run
  --spread NAME=KIND:PCT
                        distribution of Sc, k, E or departures: normal,
                        lognormal or uniform with a coefficient of variation
                        of PCT % (defaults Sc=normal:10, k=lognormal:25,
                        E=normal:10, departures=normal:15)
  --threads N           run the designs of a study, or the ratings of --acr,
                        on N threads (default: one per core)
  --samples FILE        with --reliability, write every sample with its drawn
                        values and thickness to FILE as CSV
  --list-aircraft       print the catalogue instead of designing: per record
                        its number, name and values in the chosen units (as
                        --set and --inp leave them); the numbers --mix takes
  --acr, --acr=R[,R...] print the ACR table instead of designing, of every
                        catalogue aircraft or records R (the design's inputs
                        play no part): the record, name and gross weight
                        (lb | kN), then for subgrades A, B, C and D the rigid
                        ACR (one decimal), the slab at which the gear gives
                        2.75 MPa (in | cm) and the derived single wheel load
                        (kg). The ACRs are computed from the catalogue's gear
                        data on ICAO's reference structure: they are not the
                        manufacturers' published ACRs (standard error says
                        so). Gears: 1 wheel; 2 (dual, or single tandem when
                        the dual spacing is 0); 4 (dual tandem); 6 (three
                        axles of duals). A light aircraft whose slab stress
                        peaks below 2.75 MPa on a subgrade has no ACR there:
                        its fields are empty and standard error gives the
                        peak (it lies below the smallest ratings)
  --pcr, --pcr=THICKNESS
                        the PCR instead of the thickness: of the designed
                        slab, or of a slab of THICKNESS (in | cm) with the
                        design's inputs. In csv its code alone on the first
                        line ("PCR 690/R/B/W/T"), an empty line, the rounds
                        (critical aircraft, equivalent departures, allowable
                        gross weight, its ACR), an empty line, the mix's
                        aircraft (ACR, ACR / PCR, "exceeds" where its ACR
                        rounded to a whole number is above the PCR). By
                        cumulative damage: KORVANT's 20-year fatigue damage
                        of the mix at the slab; the ACRs as --acr has them
  --category A|B|C|D    subgrade category of --pcr (default: from k,
                        E = 20.15 k^1.284 psi: A from 150 MPa, B from 100,
                        C from 60, D below)
  --version             print the version and exit
  --help                print this text and exit

The checks of the Design Thickness button run first, then every other field
the design reads must hold a number (E2 and h2 only in a two-layer structure;
slab length and width greater than 0; none negative but the temperature). A
value outside its typical range prints the question to standard error as a
warning and is kept. A thickness below 4 in, and a thicker slab that fails,
are printed to standard error as warnings.

Exit status:
  0  designed, or the asked output printed
  2  bad usage, or an input that is not a valid number
  3  stopped: outside a model's domain, no fatigue design, an unreadable,
     damaged, read-only or unwritable file, output that could not be
     written, an aircraft the ACR cannot rate, or no PCR (a read-only --save
     or --samples file is not replaced)
  4  the traffic needs more than the 30 in the procedure searches (the
     caption 30.0 is printed, the reason on standard error)

With --acr, a record outside the catalogue is bad usage (status 2). A gear of
any other layout, or a gross weight, gear load or tire pressure not greater
than 0, prints a message naming the aircraft and exits with status 3; the
table is still printed whole, with that aircraft's row empty. An aircraft
below the reference stress is not an error (status 0).

With --pcr, no PCR (an empty mix, a mix without departures, a damage that
cannot be computed at the slab, an aircraft whose ACR is refused, an
allowable weight beyond a tenth to ten times the catalogue weight) prints the
reason to standard error, nothing to standard output (in csv), and exits with
status 3.
)";

} // namespace korvant
