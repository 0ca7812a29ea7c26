"""The demo run of select-target on a real shortcut under Wine (see demo.sh)."""

import os
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "e2e"))
import bench  # noqa: E402

SCREENSHOT = bench.BUILD / "demo" / "select-target.png"


def main():
    bench.setup()
    try:
        target = bench.c_path("C:\\Demo\\Report.txt")
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_text("quarterly figures\n")
        link = bench.make_link("C:\\Demo\\Report.lnk", "C:\\Demo\\Report.txt")
        print(f"Shortcut {link} points to C:\\Demo\\Report.txt")

        # First with a recording explorer.exe beside the tool: the exact command line.
        folder = bench.install_tools("select-target")
        run = bench.run_tool(folder, "select-target", link)
        for record in run.records:
            print("select-target started:", record.cmdline.decode(bench.CODE_PAGE))
        print("exit code:", run.exit_code, "| message boxes:", len(run.boxes))

        # Then with Wine's own Explorer, for a picture of what the user gets.
        plain = bench.install_tools("select-target", stub_as=())
        bench.wine(plain + "\\select-target.exe", link, check=False)
        time.sleep(4)
        SCREENSHOT.parent.mkdir(parents=True, exist_ok=True)
        subprocess.run(["import", "-window", "root", str(SCREENSHOT)], check=True)
        print("screenshot:", SCREENSHOT)
    finally:
        bench.cleanup()


if __name__ == "__main__":
    main()
