"""Runs the SDL2 smoke program under its own Xvfb: the window appears with its content, the
message box appears where its hook placed it, a click reaches a control, close requests answer
the box and end the program with status 0. Screenshots are left in the output directory."""
import argparse
import os
import select
import subprocess
import sys
import time

SKIP = 77


def start_xvfb():
    """Starts Xvfb on a display number it picks itself; returns (process, number) or (None, None)."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x800x24",
                               "-nolisten", "tcp"], pass_fds=(write_end,),
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    deadline = time.monotonic() + 10
    while not number.endswith(b"\n") and time.monotonic() < deadline:
        ready, _, _ = select.select([read_end], [], [], 0.2)
        if ready:
            chunk = os.read(read_end, 16)
            if not chunk:
                break
            number += chunk
    os.close(read_end)
    if not number.strip().isdigit():
        server.kill()
        server.wait()
        return None, None
    return server, int(number)


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos) + 1
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    assert fields[0] == b"P6" and fields[3] == b"255", fields
    width, height = int(fields[1]), int(fields[2])
    pixels = data[pos + 1:]
    return width, height, pixels


def pixel(image, x, y):
    width, _, pixels = image
    i = (y * width + x) * 3
    return tuple(pixels[i:i + 3])


def count(image, left, top, right, bottom, colour):
    return sum(1 for y in range(top, bottom) for x in range(left, right) if pixel(image, x, y) == colour)


def screenshot(env, out_dir, name):
    xwd = os.path.join(out_dir, name + ".xwd")
    subprocess.run(["xwd", "-root", "-silent", "-out", xwd], env=env, check=True, timeout=20)
    png = os.path.join(out_dir, name + ".png")
    ppm = os.path.join(out_dir, name + ".ppm")
    subprocess.run(["convert", xwd, png], check=True, timeout=30)
    subprocess.run(["convert", xwd, "-depth", "8", ppm], check=True, timeout=30)
    os.remove(xwd)
    return read_ppm(ppm)


def tool(args, env, *command):
    result = subprocess.run([args.tool, *command], env=env, capture_output=True, text=True, timeout=30)
    return result.returncode, result.stdout.strip()


def check(condition, message):
    if not condition:
        raise AssertionError(message)
    print("ok:", message)


def run(args, env):
    app = subprocess.Popen([args.program], env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    try:
        status, where = tool(args, env, "wait", "Smoke controls", "15")
        check(status == 0, "the main window appears")
        mx, my, mw, mh = map(int, where.split())
        # 600 x 300 outside; 3-pixel borders and a 19-pixel caption leave a 594 x 275 client area.
        check((mw, mh) == (594, 275), f"the SDL window has the client size ({mw}x{mh})")
        status, where = tool(args, env, "wait", "Smoke box", "15")
        check(status == 0, "the message box appears as a window of its own")
        bx, by, bw, bh = map(int, where.split())
        # The hook put the box's outer corner at (700, 120); the SDL window is its client area.
        check(700 <= bx <= 712 and 120 <= by <= 150, f"the box is where the hook placed it ({bx}, {by})")
        time.sleep(0.5)  # let both windows present their first paint
        shot = screenshot(env, args.out, "smoke_with_box")
        check(pixel(shot, mx + 70, my + 70) == (0, 0, 255), "the main window's painted mark is on the screen")
        check(count(shot, mx + 300, my + 110, mx + 460, my + 190, (192, 192, 192)) > 500,
              "the push buttons' faces are on the screen")
        check(count(shot, bx, by, bx + bw, by + bh, (192, 192, 192)) > bw * bh // 3,
              "the box's face is on the screen")
        check(count(shot, bx, by, bx + bw, by + bh, (0, 0, 0)) > 50, "the box shows its text")
        # While the box is up its owner takes no input: a click on the second radio button is lost.
        tool(args, env, "click", "Smoke controls", "309", "65")
        time.sleep(0.3)
        shot = screenshot(env, args.out, "smoke_modal")
        check(pixel(shot, mx + 309, my + 64) == (255, 255, 255) and pixel(shot, mx + 309, my + 84) == (0, 0, 0),
              "a click on the owner while the box is up is lost")
        tool(args, env, "close", "Smoke box")
        status, _ = tool(args, env, "gone", "Smoke box", "10")
        check(status == 0, "a close request answers the box")
        # A click through SDL checks the first radio button (group box at (300, 15), the button at
        # (4, 20) in it, its dot 5 px right and 9 px down) and unchecks "Anulare actiune" below.
        time.sleep(0.3)
        tool(args, env, "click", "Smoke controls", "309", "45")
        time.sleep(0.5)
        shot = screenshot(env, args.out, "smoke_controls")
        check(pixel(shot, mx + 309, my + 44) == (0, 0, 0), "a click through SDL checks the radio button")
        check(pixel(shot, mx + 309, my + 84) == (255, 255, 255), "and unchecks the one that was checked")
        tool(args, env, "close", "Smoke controls")
        try:
            code = app.wait(timeout=15)
        except subprocess.TimeoutExpired:
            raise AssertionError("the program did not end after the close request")
        check(code == 0, f"the program ends with status 0 (got {code})")
    finally:
        if app.poll() is None:
            app.kill()
            app.wait()
        out, err = app.communicate()
        if out:
            print("program stdout:", out)
        if err:
            print("program stderr:", err)


def no_display(args):
    env = dict(os.environ)
    env.pop("DISPLAY", None)
    env.pop("WAYLAND_DISPLAY", None)
    env["SDL_VIDEODRIVER"] = "x11"
    result = subprocess.run([args.program], env=env, capture_output=True, text=True, timeout=30)
    check(result.returncode == 1, f"without a display the program ends with status 1 (got {result.returncode})")
    lines = [line for line in result.stderr.splitlines() if line.strip()]
    check(len(lines) == 1, f"and says so in one line: {lines}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--tool", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    try:
        no_display(args)
    except AssertionError as failure:
        print("FAILED:", failure)
        return 1
    if subprocess.run(["which", "Xvfb"], capture_output=True).returncode != 0:
        print("Xvfb is not installed")
        return SKIP
    server, number = start_xvfb()
    if server is None:
        print("Xvfb did not start")
        return 1
    try:
        env = dict(os.environ)
        env["DISPLAY"] = f":{number}"
        env.pop("WAYLAND_DISPLAY", None)
        env["SDL_AUDIODRIVER"] = "dummy"
        run(args, env)
        return 0
    except AssertionError as failure:
        print("FAILED:", failure)
        return 1
    finally:
        server.terminate()
        try:
            server.wait(timeout=10)
        except subprocess.TimeoutExpired:
            server.kill()
            server.wait()


if __name__ == "__main__":
    sys.exit(main())
