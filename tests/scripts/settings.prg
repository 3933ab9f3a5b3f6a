* Settings records as an application keeps them: filled once at start,
* read back from anywhere.
=VER_INIT()
=VER_NAME("Orders")
=VER_MAJOR(2)
=VER_MINOR(1)
=VER_BETA(.T.)
=VER_COPYRIGHTS("(c) 2024 Acme")
=USR_INIT()
=USR_NAME("Ann Smith")
=USR_COMPANY("Acme")
=USR_LEVEL(3)
=DSK_INIT()
=DSK_TITLE(VER_NAME() + " - " + USR_NAME())
=DSK_HEIGHT(480)
=DSK_WIDTH(640.5)
=FNT_INIT()
=FNT_NAME("Courier New")
=FNT_SIZE(10)
=HLP_INIT()
=HLP_TOPIC("Orders\Entry")
=HLP_CODE(1200)
DO ShowSettings

* A new user logs in: the user record starts again, the level stays.
=USR_INIT()
? "[" + USR_NAME() + "]", USR_LEVEL(), USERCOMPANY() == ""
? "[" + USR_NAME("Bob Jones") + "]", USR_NAME()

* The release becomes final: no flag stays set.
? VER_BETA(.F.), VER_ALPHA(), VER_PREREL(.T.), VER_BETA()

* Texts longer than their field are cut to it.
? LEN(DSK_TITLE(REPLICATE("t", 300))), LEN(VER_DATE(REPLICATE("d", 30))), LEN(VER_DATE())

PROCEDURE ShowSettings
    ? DSK_TITLE(), DSK_HEIGHT(), DSK_WIDTH()
    ? VER_NAME(), TRANSFORM(VER_MAJOR()) + "." + TRANSFORM(VER_MINOR()), ;
        IIF(VER_BETA(), "beta", "final"), VER_CPYRIG()
    ? USR_NAME(), USR_CMPANY(), USR_LEVEL()
    ? FNT_NAME(), FNT_SIZE(), HLP_TOPIC(), HLP_CODE()
ENDPROC
