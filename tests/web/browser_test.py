"""The web page in a real browser: headless chromium, driven through chromedriver, plays the
demo story's walkthrough to its end with the boxes for the author answered, opens another story
from the disk, and keeps its game across a reload of the page; plays a turn of 2,000 nested
jumps; reflows on a phone and at 200% zoom; stops a runaway opening, and a runaway turn while
the page stays responsive, ending it where it stood; keeps two stories of one name apart; lets a second tab
of one game play a copy, and a tab only watching it play on once the first is closed; can be
installed; reloads offline; and plays the page built into one file from the disk.

usage: browser_test.py WEB_BUILD GOLDEN_DIR [AXE_JS]
With AXE_JS (axe.min.js of axe-core) it checks the page with axe-core instead, and fails on any
violation at any impact.
Exits 77 (skipped) where chromium, chromedriver or selenium is not installed.
"""
import pathlib
import sys
import tempfile

from chromium import ActionChains, By, Keys, Page, WebDriverWait, browser, served

WEB, GOLDEN = map(pathlib.Path, sys.argv[1:3])
AXE = pathlib.Path(sys.argv[3]) if len(sys.argv) > 3 else None


def check(what, actual, expected):
    if actual != expected:
        sys.exit(f"FAIL: {what}\n--- expected\n{expected}\n--- actual\n{actual}")


def play_demo(page):
    lines = (GOLDEN / "stories/demo-walkthrough.in").read_text(encoding="utf-8").splitlines()
    transcript = (GOLDEN / "stories/demo-walkthrough.out").read_text(encoding="utf-8")
    check("the story played first", page.story(), "demo.teg")
    check("the demo's opening", page.console(), transcript[:transcript.index("\n>")] + "\n")
    for line in lines:
        page.type(line)
    check("the walkthrough's end", page.console(), transcript[transcript.rindex(">"):])
    check("the boxes for the author",
          "".join(page.boxes).replace("\r", "\n"),
          (GOLDEN / "stories/demo-walkthrough.err").read_text(encoding="utf-8"))
    page.find("#Input1").send_keys("полу", Keys.ARROW_UP)
    check("Up recalls the last line", page.find("#Input1").get_attribute("value"), lines[-1])
    page.find("#Input1").send_keys(Keys.ARROW_DOWN)
    check("Down brings the half-typed line back", page.find("#Input1").get_attribute("value"),
          "полу")
    page.find("#Input1").clear()
    read_back(page, transcript[:transcript.index("\n>")], ">" + lines[0])
    keyboard(page)


def keyboard(page):
    """Keys as in the game window: letters typed in the console go to the line; Ctrl+Z with a
    line typed is the line's own; on an empty line Ctrl+Z undoes and Ctrl+Y redoes a turn;
    Escape closes a menu."""
    played = page.console()
    page.find("#Output").click()
    ActionChains(page.driver).send_keys("o").perform()
    page.find("#Input1").send_keys(Keys.CONTROL, "z")
    check("a key typed in the console", page.find("#Input1").get_attribute("value"), "o")
    check("Ctrl+Z on a typed line", page.console(), played)
    page.find("#Input1").clear()
    page.act("#Input1", Keys.CONTROL, "z")
    check("Ctrl+Z undoes a turn", page.console() != played, True)
    page.act("#Input1", Keys.CONTROL, "y")
    check("Ctrl+Y redoes it", page.console(), played)
    page.find("#Bar summary").click()
    page.find("#Input1").send_keys(Keys.ESCAPE)
    check("Escape closes a menu", page.find("#Bar details").get_attribute("open"), None)


def read_back(page, opening, early):
    """«История игры» (Ctrl+H) holds the whole game; find goes to an early turn."""
    page.find("#Input1").send_keys(Keys.CONTROL, "h")
    box = page.find("#History")
    WebDriverWait(page.driver, 10).until(lambda _: box.get_attribute("open") is not None)
    history = page.find("#HistoryText").get_attribute("textContent")
    check("the history starts with the opening", history.startswith(opening), True)
    page.find("#HistoryFind").send_keys(early, Keys.ENTER)
    check("find goes to an early turn", page.driver.execute_script(
        "return getSelection().toString()"), early)
    page.find("#History button[value=ok]").click()


def on_a_phone_and_zoomed(page):
    """On a 390 px phone and at 200% zoom (400 px wide), the page reflows: no sideways scroll,
    the panel under the console and as wide, the input line in view with 16 px text and the
    phone's send key, menu items at least 24 px high; a turn plays."""
    layout = """
        const box = id => document.getElementById(id).getBoundingClientRect();
        const menu = document.querySelector('#Bar details');
        menu.open = true;
        const items = [...menu.querySelectorAll('button, summary')].filter(e => e.offsetParent);
        const low = items.filter(e => e.getBoundingClientRect().height < 24).length;
        menu.open = false;
        const input = document.getElementById('Input1');
        return [document.documentElement.scrollWidth <= innerWidth,
                box('Panel').top >= box('Output').bottom, box('Panel').width === box('Output').width,
                box('Input1').bottom <= innerHeight, getComputedStyle(input).fontSize,
                input.enterKeyHint, low];"""
    page.driver.execute_script("const c = document.getElementById('MessageMode'); "
                               "c.value = 'panel'; c.dispatchEvent(new Event('change'));")
    for width, height, scale in ((390, 844, 3), (400, 300, 2)):
        page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": scale, "mobile": scale == 3})
        WebDriverWait(page.driver, 10).until(lambda d: d.execute_script(
            "return document.body.style.height === visualViewport.height + 'px'"),
            "the page did not fit itself to the new size")
        check(f"the layout {width}×{height}", page.driver.execute_script(layout),
              [True, True, True, True, "16px", "send", 0])
        page.type("осм")
        check(f"a turn at {width}×{height}", page.console().startswith(">осм"), True)
    page.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
    page.driver.execute_script("const c = document.getElementById('MessageMode'); "
                               "c.value = 'boxes'; c.dispatchEvent(new Event('change'));")


def open_from_disk_and_reload(page):
    story = (GOLDEN / "stories/all-commands.teg").resolve()
    page.act("#fs", str(story))
    check("the story opened from the disk", page.story(), "all-commands.teg")
    first = (GOLDEN / "stories/all-commands.in").read_text(encoding="utf-8").splitlines()[0]
    page.type(first)
    played = page.console()
    page.driver.refresh()
    page.settle()
    check("the story after a reload", page.story(), "all-commands.teg")
    check("the console after a reload", page.console(), played)
    check("undo after a reload", page.find("#Undo").is_enabled(), True)


def deep_jumps(page):
    """A turn that nests 2,000 jumps, as deep as the engine allows, plays as in every host,
    though the browser gives the worker that plays it far less stack than a desktop program."""
    case = GOLDEN / "limits/self-jump-in-turn"
    page.act("#fs", str(case.with_suffix(".teg").resolve()))
    told = len(page.boxes)
    for line in case.with_suffix(".in").read_text(encoding="utf-8").splitlines():
        page.type(line)
    transcript = case.with_suffix(".out").read_text(encoding="utf-8")
    check("the nested jumps' last turn", page.console(), transcript[transcript.rindex(">"):])
    check("the nested jumps' boxes", "".join(page.boxes[told:]).replace("\r", "\n"),
          case.with_suffix(".err").read_text(encoding="utf-8"))


def story_file(folder, name, *lines):
    """A story written to the disk as an author saves one: Windows-1251, CR LF."""
    path = pathlib.Path(folder) / name
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes("\r\n".join(lines).encode("cp1251") + b"\r\n")
    return str(path)


# Runs without end, printing and seeking a long label: on a fast machine a loop that only
# prints spends the whole work of a turn before «Остановить» shows, at half a second.
ENDLESS = ("rem круг:", "wait", "p " + "щ" * 1000, "goto " + "Щ" * 20000, "goto rem круг")


def stop_a_runaway_opening(page, folder):
    """A story whose opening runs away is stopped as a turn is, and the game played before goes
    on."""
    before, done = page.story(), page.done() + 1
    page.find("#fs").send_keys(story_file(folder, "endless.teg", "goto rem круг", *ENDLESS))
    WebDriverWait(page.driver, 30, poll_frequency=0.02).until(
        lambda _: page.find("#Busy").is_displayed(), "no «Остановить» during the opening")
    page.find("#Stop").click()
    page.settle(done)
    check("the opening stopped", page.find("#Status").text,
          "Открытие истории endless.teg остановлено.")
    check("the story played before", page.story(), before)


def stop_a_runaway_turn(page, folder):
    """A turn that runs for seconds: the page answers at once meanwhile, shows «Остановить»
    after half a second, and stopping ends the turn where it stood, as its work budget ends a
    turn, with the author told why; an undo takes it back."""
    page.act("#fs", story_file(folder, "runaway.teg", "room r", "+func беда,goto rem начало",
                               "done", "setroom r", "wait", "rem начало:", "goto rem круг",
                               *ENDLESS))
    before = page.console()
    done = page.done() + 1
    page.find("#Input1").send_keys("беда", Keys.ENTER)
    busy = page.find("#Busy")
    WebDriverWait(page.driver, 30, poll_frequency=0.02).until(
        lambda _: busy.is_displayed() or page.done() >= done,
        "neither «Остановить» nor the turn's end")
    check("«Остановить» shown during the turn", busy.is_displayed(), True)
    # In one go, so that the turn is still running: a click on a menu is answered at once, and
    # «Остановить» ends the turn within a quarter of a second.
    latency, menu, stopped = page.driver.execute_async_script("""
        const done = arguments[0], clicked = performance.now();
        document.querySelector('#Bar summary').click();
        requestAnimationFrame(() => {
            const latency = performance.now() - clicked, stopping = performance.now();
            const menu = document.querySelector('#Bar details').open;
            document.getElementById('Stop').click();
            const seen = () => document.getElementById('Busy').hidden
                ? done([latency, menu, performance.now() - stopping]) : setTimeout(seen, 5);
            seen();
        });""")
    check("a click answered during a turn", latency < 200, True)
    check("a menu opens during a turn", menu, True)
    check("the turn stopped within a quarter of a second", stopped < 250, True)
    told = len(page.boxes)
    page.settle(done)
    check("the author told why the turn ended", [box.split("\n")[0] for box in page.boxes[told:]],
          ["[Ошибка!] Слишком долгий ход без остановки на wait."])
    check("the stopped turn's answer", page.console().endswith("щ" * 100), True)
    check("the line after a stopped turn", page.find("#Input1").get_attribute("value"), "")
    page.act("#Input1", Keys.CONTROL, "z")
    check("the console after undoing the stopped turn", page.console(), before)


def same_name_and_two_tabs(page, folder):
    """Two stories named game.teg keep two games; a second tab on a game plays a copy, and a
    third only watches until the first is closed, then plays on."""
    first = story_file(folder, "one/game.teg", "room r", "+text первая", "setroom r")
    second = story_file(folder, "two/game.teg", "room r", "+text вторая", "setroom r")
    page.act("#fs", first)
    page.type("осм")
    played = page.console()
    done = page.done() + 1
    page.find("#fs").send_keys(second)
    WebDriverWait(page.driver, 30).until(
        lambda _: page.find("#Confirm").get_attribute("open") is not None)
    check("another version is asked about", page.find("#ConfirmTitle").text,
          "Другая версия истории")
    page.find("#Confirm button[value=new]").click()
    page.settle(done)
    check("another story of the same name", "первая" in page.console(), False)
    page.act("#fs", first)
    check("the first story's game", page.console(), played)
    page.driver.switch_to.new_window("tab")
    page.driver.get(page.url)
    WebDriverWait(page.driver, 30).until(
        lambda _: page.find("#Confirm").get_attribute("open") is not None)
    check("a second tab is told", page.find("#ConfirmTitle").text,
          "Игра открыта в другой вкладке")
    page.find("#Confirm button[value=copy]").click()
    page.settle()
    check("the copy's game", page.console(), played)
    check("the copy is said", "копию" in page.find("#Status").text, True)
    copy_tab = page.driver.current_window_handle
    page.driver.switch_to.new_window("tab")
    page.driver.get(page.url)
    WebDriverWait(page.driver, 30).until(
        lambda _: page.find("#Confirm").get_attribute("open") is not None)
    page.find("#Confirm button[value=watch]").click()
    page.settle()
    check("the watching tab takes no line", page.find("#Input1").get_attribute("readonly"), "true")
    watching_tab = page.driver.current_window_handle
    page.driver.switch_to.window(page.driver.window_handles[0])
    page.driver.close()
    page.driver.switch_to.window(watching_tab)
    page.settle(2)
    check("the watching tab takes over", "теперь игра идёт" in page.find("#Status").text, True)
    page.type("осм")
    check("and plays on", page.console().startswith(">осм"), True)
    page.driver.close()
    page.driver.switch_to.window(copy_tab)


def accessible(page):
    """axe-core finds nothing on the page as loaded, with a menu open, and with a box open."""
    page.driver.execute_script(AXE.read_text(encoding="utf-8"))
    rules = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa", "best-practice"]
    def violations(where):
        found = page.driver.execute_async_script(
            "axe.run(document, {runOnly: arguments[0]}).then(r => arguments[1](r.violations))",
            rules)
        return [f"{where}: {v['id']} ({v['impact']}): {v['nodes'][0]['target']}" for v in found]
    found = violations("the page")
    page.find("#Bar details:nth-of-type(2) summary").click()
    found += violations("the menu «Игра»")
    page.find("#HistoryShown").click()
    WebDriverWait(page.driver, 10).until(
        lambda _: page.find("#History").get_attribute("open") is not None)
    found += violations("«История игры»")
    check("violations of axe-core", "\n".join(found), "")


def how_to_play(page):
    """«Справка» → «Как играть» shows the core's text, the same that zuft-cli's /help writes."""
    help = (GOLDEN / "game/slash-commands.err").read_text(encoding="utf-8")
    start = help.index("\nКак играть\n\n") + len("\nКак играть\n\n")
    expected = help[start:help.index("\n\n", help.index("Клавиши:", start))]
    page.find("#Bar details:nth-of-type(3) summary").click()
    page.find("#HowToPlayShown").click()
    box = page.find("#HowToPlay")
    WebDriverWait(page.driver, 10).until(lambda driver: box.get_attribute("open") is not None)
    check("«Как играть»", box.find_element(By.TAG_NAME, "p").get_attribute("textContent"),
          expected)
    box.find_element(By.CSS_SELECTOR, "button[value=ok]").click()


def offline_and_from_a_file(page, stop_server):
    """Once the service worker keeps the page, chromium can install it, and a reload without the
    server plays on; zuft.html
    plays opened from the disk, where the served page says what to do instead."""
    page.driver.execute_async_script(
        "navigator.serviceWorker.ready.then(() => setTimeout(arguments[0], 500))")
    check("chromium can install the page", page.driver.execute_cdp_cmd(
        "Page.getInstallabilityErrors", {})["installabilityErrors"], [])
    played = page.console()
    stop_server()
    page.driver.refresh()
    page.settle()
    check("the console reloaded offline", page.console(), played)
    page.driver.get((WEB / "index.html").resolve().as_uri())
    check("the page from a file says what to do", page.find("#FromFile").is_displayed(), True)
    page.driver.get((WEB / "zuft.html").resolve().as_uri())
    page.settle()
    check("zuft.html from a file plays", page.story(), "demo.teg")
    page.type("осм")
    check("zuft.html plays a turn", page.console().startswith(">осм"), True)


with served(WEB) as (url, stop_server), browser() as driver:
    page = Page(driver)
    page.url = url
    driver.get(url)
    page.settle()
    if AXE:
        accessible(page)
        print("axe-core found nothing on the page")
        sys.exit(0)
    play_demo(page)
    how_to_play(page)
    on_a_phone_and_zoomed(page)
    open_from_disk_and_reload(page)
    deep_jumps(page)
    with tempfile.TemporaryDirectory() as folder:
        stop_a_runaway_opening(page, folder)
        stop_a_runaway_turn(page, folder)
        same_name_and_two_tabs(page, folder)
    offline_and_from_a_file(page, stop_server)
    print("The page played the demo to its end, told how to play, reflowed on a phone and zoomed in, "
          "kept a game across a reload, "
          "played 2,000 nested jumps, "
          "stopped a runaway opening and a runaway turn, kept two stories of one name apart, a second tab's copy and a "
          "watching tab taking over, "
          "reloaded offline and played zuft.html from a file")
