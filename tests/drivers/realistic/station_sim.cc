// The weather station the realistic script tests, simulated for its driver: the station library
// of station.h prints one "UT ..." line per call, between the dry-run runtime's "RT ..." lines.
// A report arrives on the bus when the runtime's poll reports an event (QMK_DRYRUN_MESSAGES); it
// answers the last request: the wind sensor is measuring, the rain sensor idle, and a sensor listed
// in STATION_FAULT (numbers, comma-separated) is in fault.
#include "station.h"

#include <cstdarg>
#include <cstdlib>

#include "TP.h"

int readings[SENSOR_COUNT];
reading_t history[4];
measure_rep_t last_report;
int fault_count = 0;
long total_time = 0;
const char *operator_name = "night shift";

namespace {

int requested_sensor = 0;
long uptime = 0;

const char *sensor_label(int sensor) {
  switch (sensor) {
    case SENSOR_WIND: return "wind";
    case SENSOR_RAIN: return "rain";
    case SENSOR_TEMP: return "temp";
    default: return "other";
  }
}

bool in_fault(int sensor) {
  const char *list = std::getenv("STATION_FAULT");
  char text[16];
  std::snprintf(text, sizeof text, "%d", sensor);
  return qlx_dryrun::list_has(list, text);
}

}  // namespace

int station_open(const char *device) {
  std::printf("UT station_open \"%s\"\n", device);
  return 3;
}

int station_close(int handle) {
  std::printf("UT station_close %d\n", handle);
  return 0;
}

int station_state(int sensor) {
  int state = in_fault(sensor) ? ST_FAULT : sensor == SENSOR_WIND ? ST_MEASURING : ST_IDLE;
  std::printf("UT station_state %d = %d\n", sensor, state);
  return state;
}

int station_calibrate(int sensor, int offset) {
  std::printf("UT station_calibrate %d %d\n", sensor, offset);
  return 0;
}

bus_id_t bus_attach(int handle, int port) {
  std::printf("UT bus_attach %d %d\n", handle, port);
  return 40;
}

void bus_detach(bus_id_t id) { std::printf("UT bus_detach %d\n", id); }

int bus_write(bus_id_t id, const void *frame, int size) {
  const auto *request = static_cast<const measure_req_t *>(frame);
  requested_sensor = request->sensor;
  std::printf("UT bus_write %d sensor %d period %d flags %d (%d bytes)\n", id, request->sensor, request->period_ms,
              request->flags, size);
  return 0;
}

// A report answers the last request; the station also publishes it in last_report.
int bus_read(bus_id_t id, void *frame, int size) {
  if (!qlx_pollevt(id)) return 0;
  measure_rep_t report{};
  report.sensor = requested_sensor;
  report.state = in_fault(requested_sensor)             ? ST_FAULT
                 : requested_sensor == SENSOR_WIND ? ST_MEASURING
                                                   : ST_IDLE;
  std::memcpy(frame, &report, static_cast<size_t>(size) < sizeof report ? static_cast<size_t>(size) : sizeof report);
  last_report = report;
  std::snprintf(last_report.label, sizeof last_report.label, "%s", sensor_label(requested_sensor));
  std::printf("UT bus_read %d sensor %d state %d\n", id, report.sensor, report.state);
  return size;
}

long station_uptime(void) {
  uptime += 300;
  std::printf("UT station_uptime = %ld\n", uptime);
  return uptime;
}

void station_log(const char *format, ...) {
  std::printf("UT station_log ");
  va_list args;
  va_start(args, format);
  std::vprintf(format, args);
  va_end(args);
}
