// How the page looks, as the player chose, kept for the next visit: the theme (the system's
// light or dark, the story's colours, dark, high contrast) and the width of the text's column.
const choices = {Theme: 'theme', Column: 'column'};

function apply(setting, value) {
    if (setting === 'theme')
        document.documentElement.dataset.theme = value;
    else
        document.documentElement.style.setProperty('--column', value);
}

for (const [id, setting] of Object.entries(choices)) {
    const choice = document.getElementById(id);
    try {
        choice.value = localStorage.getItem('zuft.' + setting) ?? choice.value;
    } catch {
        // a browser that keeps nothing shows the page as it comes
    }
    apply(setting, choice.value);
    choice.addEventListener('change', () => {
        apply(setting, choice.value);
        try {
            localStorage.setItem('zuft.' + setting, choice.value);
        } catch {
            // the choice holds until the page is closed
        }
    });
}

// On a phone the on-screen keyboard covers the bottom of the page: the page shrinks to what is
// still seen, so that the input line stays above the keyboard.
window.visualViewport?.addEventListener('resize', () => {
    document.body.style.height = visualViewport.height + 'px';
    document.getElementById('Input1').scrollIntoView({block: 'nearest'});
});
