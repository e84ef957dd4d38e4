#!/usr/bin/env python3
"""Writes a copy of station.pts with one mistake per statement kind, and the messages that the
copy must give: one line "Qandor-<kind>-<code>,  [station_mistakes.pts:<line>]" per mistake, in
line order. Usage: mistakes.py <station.pts> <out directory>."""
import os
import sys

# (line as written in station.pts, occurrence of that line (from 1), the line with the mistake,
#  message kind, code)
MISTAKES = [
    ("  CALL station_close (handle) @ 0", 1, "  CALL station_shut (handle) @ 0", "E", "UKNFCTCLL"),
    ("  WHEN ST_MEASURING", 1, "  WHEN ST_IDLE", "E", "ALRCASDEF"),
    ("  IF (count_read == 0) THEN", 1, "  IF (count_readd == 0) THEN", "W", "IDENTIINC"),
    ("    WHILE (sensor <= SENSOR_TEMP)", 1, "    WHILE (sensorr <= SENSOR_TEMP)", "W", "IDENTIINC"),
    ("    VAR readings, EV=(SENSOR_RAIN => 0 .. RANGE_MAX, OTHERS => 0)", 1,
     "    VAR readings, EV=(6..9 => 0, OTHERS => 0)", "E", "BNDOUTARR"),
    ("  DEF_MESSAGE rain_request, INIT=(sensor => SENSOR_RAIN, period_ms => 500, flags => 1)", 1,
     "  DEF_MESSAGE snow_request, INIT=(sensor => SENSOR_RAIN, period_ms => 500, flags => 1)", "E", "UNDECTRGV"),
    ("  WAITTIL (MATCHING(rain_report, report_ch), WTIME > 2000)", 1, "  WAITTIL (MATCHING(snow_report, report_ch), WTIME > 2000)", "E",
     "UNKMSGNAM"),
    ("  SEND temp_request ON service_ch", 1, "  SEND temp_request ON spare_ch", "E", "UNKCHANAM"),
    ("  ADD_ID (service_ch, service_link)", 1, "  ADD_ID (service_ch, 7)", "E", "NOIDCONST"),
    ("  CLEAR_ID (service_ch)", 1, "  CLEAR_ID (servic_ch)", "E", "UNKCHANAM"),
    ('      PRINT "clock ok", 1', 1, "      MESSAGE_DATE", "E", "MSGDINBBL"),
    ('    PRINT "start", 0', 1, "    NO_MESSAGE", "E", "NOMSINBBL"),
    ("    PAUSE 100", 1, "    TIMER t_rain", "E", "IDENREDEF"),
    ("    RESET t_wind", 1, "    RESET t_gust", "E", "IDENTINCO"),
    ("    PAUSE 500", 1, "    PAUSE ,", "E", "TOOFEWARG"),
    ('      PRINT "clock too slow", station_uptime() - started', 1, '      PRINT "clock too slow"', "E", "TOOFEWARG"),
    ("    CATCH WITH on_any_error", 1, "    CATCH WITH on_station_error", "E", "INCOMPTYP"),
    ("    ENABLE_CLEANUP release_bus", 1, "    ENABLE_CLEANUP log_state", "E", "CLVOIDPRC"),
    ("    DISABLE_CLEANUP release_bus", 1, "    DISABLE_CLEANUP release_all", "E", "UNKCLPROC"),
    ('  SET "F"', 1, '  SET "f"', "E", "BADLETFLT"),
    ('  UNSET "F"', 1, '  UNSET "F1"', "E", "BADLETFLT"),
    ("  @ bus_write(qlx_ids, &qlx_msg, sizeof qlx_msg);", 2, "  FLUSH_TRACE", "E", "FTINCBPS"),
    ('      INTERSEND ("wind", "logger")', 1, '      INTERSEND ("wind", SENSOR_WIND)', "E", "INCOMPTYP"),
    ("      INTERRECV (answer)", 1, "      INTERRECV (peer)", "E", "INCOMPTYP"),
    ('%F+S  PRINT "one of F and S", 1', 1, '%F++S  PRINT "one of F and S", 1', "E", "BADFLTSTX"),
    ('%%~F  PRINT "fast is off", 1', 1, "  ERROR", "W", "NOEXEINST"),
    ("    VAR last_report.level.raw, FORMAT=int#H16", 1, "    VAR last_report.level.raw, FORMAT=int#Q16", "E",
     "BASEINCON"),
    ("    CALL measure_rain", 1, "    CALL measure_rain () @ 0", "E", "NORETNFCT"),
]


def main():
    source, out = sys.argv[1], sys.argv[2]
    with open(source) as f:
        lines = f.read().split("\n")
    expected = []
    for original, occurrence, replacement, kind, code in MISTAKES:
        seen = 0
        for number, line in enumerate(lines):
            if line == original:
                seen += 1
                if seen == occurrence:
                    lines[number] = replacement
                    expected.append((number + 1, kind, code))
                    break
        else:
            sys.exit("no line %r (occurrence %d) in %s" % (original, occurrence, source))
    with open(os.path.join(out, "station_mistakes.pts"), "w") as f:
        f.write("\n".join(lines))
    with open(os.path.join(out, "expected"), "w") as f:
        for number, kind, code in sorted(expected):
            f.write("Qandor-%s-%s,  [station_mistakes.pts:%d]\n" % (kind, code, number))


main()
