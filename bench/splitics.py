#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Splits an iCalendar file into one file per event, named after its UID, as a vdir holds them.

Each file keeps the calendar's own properties and every time zone of the source, so that an
event's TZID still resolves. Prints how many files it wrote.

    splitics.py CALENDAR.ics FOLDER
"""
import os
import sys

from icalendar import Calendar


def main():
    source, folder = sys.argv[1], sys.argv[2]
    with open(source, "rb") as f:
        calendar = Calendar.from_ical(f.read())
    zones = [c for c in calendar.subcomponents if c.name == "VTIMEZONE"]
    os.makedirs(folder, exist_ok=True)
    written = 0
    for event in calendar.walk("VEVENT"):
        single = Calendar()
        for name, value in calendar.items():
            single[name] = value
        for zone in zones:
            single.add_component(zone)
        single.add_component(event)
        with open(os.path.join(folder, str(event["UID"]) + ".ics"), "wb") as f:
            f.write(single.to_ical())
        written += 1
    print(written)


if __name__ == "__main__":
    main()
