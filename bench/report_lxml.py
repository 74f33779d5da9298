"""The peer of rigvet's report evaluation in scripts/bench: Python's lxml loading the same
generated report and making the same queries and checks.

    report_lxml.py time REPORT REPETITIONS   prints the median milliseconds of load + evaluate
    report_lxml.py memory REPORT             prints the bytes by which one run raises the peak
                                             resident memory of this process
"""
import re
import resource
import sys
import time

from lxml import etree

VIRTUAL_ADAPTERS = {
    "Microsoft Remote Display Adapter",
    "Microsoft Basic Display Adapter",
    "Microsoft Basic Display Driver",
    "VMware SVGA 3D",
    "Microsoft Hyper-V Video",
}
DRIVE_ROOT = "/srv/lab\\"
DECIMAL = re.compile(r"\s*([+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)")
LEADING_INTEGER = re.compile(r"\s*([+-]?\d+)")


def decimal_prefix(text):
    match = DECIMAL.match(text)
    return float(match.group(1)) if match else 0.0


def leading_integer(text):
    match = LEADING_INTEGER.match(text)
    return int(match.group(1)) if match else 0


def evaluate(path):
    document = etree.parse(path)
    level = 0.0
    virtual = False
    for device in document.xpath("/DxDiag/DisplayDevices/DisplayDevice"):
        if (device.findtext("CardName") or "") in VIRTUAL_ADAPTERS:
            virtual = True
            continue
        for field in (device.findtext("FeatureLevels") or "").replace("_", ".").split(","):
            level = max(level, decimal_prefix(field))
    sound = len(document.xpath("/DxDiag/DirectSound/SoundDevices/SoundDevice")) != 0
    free_mb = 0
    for disk in document.xpath("/DxDiag//LogicalDisk"):
        if (disk.findtext("DriveLetter") or "") + "\\" == DRIVE_ROOT:
            free_mb = leading_integer(disk.findtext("FreeSpace") or "") // 1000000
            break
    memory_mb = 0
    for information in document.xpath("/DxDiag/SystemInformation"):
        memory = information.findtext("Memory") or ""
        memory_mb = leading_integer(memory[:-6] if len(memory) >= 6 else memory)
    return level, sound, free_mb, memory_mb, virtual


def main():
    mode, path = sys.argv[1], sys.argv[2]
    if mode == "time":
        evaluate(path)  # warm the page cache
        times = []
        for _ in range(int(sys.argv[3])):
            start = time.perf_counter()
            result = evaluate(path)
            times.append((time.perf_counter() - start) * 1000)
        if result[2] != 123456 or result[3] != 16384:
            sys.exit("lxml did not read the report correctly: %r" % (result,))
        times.sort()
        print("%.3f" % times[len(times) // 2])
    else:
        before = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss
        evaluate(path)
        after = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss
        print((after - before) * 1024)


main()
